#include "xom/layout.h"

#include <algorithm>
#include <cstring>

namespace brindle {

Index ReadIndex(const ByteReader& file, int64_t position) {
    uint32_t b0 = file.U8(position);
    if (!IsWideIndex(static_cast<uint8_t>(b0)))
        return Index{b0, false};
    uint32_t b1 = file.U8(position + 1);
    return Index{(b0 - 128) + 128 * b1, true};
}

uint32_t EncodeIndexKey(uint32_t j) {
    uint32_t q = j / 128;
    uint32_t r = j % 128;
    if (q != 0)
        r += 128;
    return q * 256 + r;
}

void AppendUpperHex(std::string& text, uint32_t value, int minDigits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kDigits[value & 0x0F];
        value >>= 4;
    } while (value != 0);
    for (int pad = count; pad < minDigits; ++pad)
        text += '0';
    while (count > 0)
        text += digits[--count];
}

std::string IndexKeyText(uint32_t j) {
    std::string text;
    AppendUpperHex(text, EncodeIndexKey(j), 2);
    return text;
}

uint16_t ReadTypeCount(const ByteReader& file) {
    return file.U16(kTypeCountOffset);
}

TypeRecord ReadTypeRecord(const ByteReader& file, uint32_t index) {
    int64_t record = kHeaderSize + kTypeRecordSize * int64_t{index};
    return TypeRecord{file.U16(record + 8), file.CString(record + 32, kMaxTextLength)};
}

StringBlock ReadStringBlock(const ByteReader& file, uint32_t typeCount) {
    int64_t tableEnd = kHeaderSize + kTypeRecordSize * int64_t{typeCount};
    StringBlock block;
    block.start = file.HasTag(tableEnd + 16, kStringsTag) ? tableEnd + 20 : tableEnd + 36;
    block.count = file.U16(block.start);
    block.dataSize = file.U16(block.start + 4);
    return block;
}

std::string_view ReadString(const ByteReader& file, const StringBlock& block, uint32_t j) {
    uint16_t offset = file.U16(block.start + 8 + 4 * int64_t{j});
    return file.CString(block.DataStart() + offset, kMaxTextLength);
}

std::optional<int64_t> FindNextTag(const ByteReader& file, int64_t tagPosition, int64_t fileSize) {
    // A tag at t needs tagPosition + 4 <= t and t + 4 <= end. memchr for its
    // third byte is far faster than comparing at every position; "N" is rare
    // in the float, index and pixel data that fill entries.
    const int64_t from = tagPosition + kEntryDataOffset;
    const int64_t end = std::min(fileSize, file.Size());
    if (from < 0 || end - from < static_cast<int64_t>(kEntryTag.size()))
        return std::nullopt;
    const uint8_t* base = file.All().data();
    const uint8_t* at = base + from + 2;
    const uint8_t* stop = base + end - 1; // the "N" of a tag ending at end
    while (at < stop) {
        const auto* hit =
            static_cast<const uint8_t*>(std::memchr(at, 'N', static_cast<size_t>(stop - at)));
        if (!hit)
            return std::nullopt;
        if (hit[-2] == 'C' && hit[-1] == 'T' && hit[1] == 'R')
            return hit - 2 - base - tagPosition;
        at = hit + 1;
    }
    return std::nullopt;
}

} // namespace brindle
