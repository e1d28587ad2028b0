#include "inspect/hex_dump.h"

namespace brindle {

std::string HexDumpText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // Every byte takes exactly four characters, so the text is sized once
    // and filled in place; entries can be many megabytes long.
    std::string text(bytes.size() * 4, ' ');
    char* out = text.data();
    for (size_t i = 0; i < bytes.size(); ++i, out += 4) {
        out[0] = kDigits[bytes[i] >> 4];
        out[1] = kDigits[bytes[i] & 0x0F];
        if ((i + 1) % 8 == 0) {
            out[2] = '\r';
            out[3] = '\n';
        }
    }
    return text;
}

std::string HexDumpText(const ByteReader& file, int64_t position, int64_t count) {
    return HexDumpText(file.Bytes(position, count));
}

} // namespace brindle
