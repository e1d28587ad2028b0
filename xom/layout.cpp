#include "xom/layout.h"

#include <algorithm>
#include <cstdio>
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

std::string IndexKeyText(uint32_t j) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2X", EncodeIndexKey(j));
    return text;
}

uint16_t ReadTypeCount(const ByteReader& file) {
    return file.U16(kTypeCountOffset);
}

TypeRecord ReadTypeRecord(const ByteReader& file, uint32_t index) {
    int64_t record = kHeaderSize + kTypeRecordSize * int64_t{index};
    return TypeRecord{file.U16(record + 8), file.CString(record + 32)};
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
    return file.CString(block.DataStart() + offset);
}

std::optional<int64_t> FindNextTag(const ByteReader& file, int64_t tagPosition, int64_t fileSize) {
    int64_t from = tagPosition + kEntryDataOffset;
    int64_t end = std::min(fileSize, file.Size());
    if (from < 0 || end - from < static_cast<int64_t>(kEntryTag.size()))
        return std::nullopt;
    const uint8_t* base = file.All().data();
#if defined(__GLIBC__)
    const void* hit =
        memmem(base + from, static_cast<size_t>(end - from), kEntryTag.data(), kEntryTag.size());
    if (!hit)
        return std::nullopt;
    return static_cast<const uint8_t*>(hit) - base - tagPosition;
#else
    const uint8_t* last = base + end;
    const auto* tag = reinterpret_cast<const uint8_t*>(kEntryTag.data());
    const uint8_t* hit = std::search(base + from, last, tag, tag + kEntryTag.size());
    if (hit == last)
        return std::nullopt;
    return hit - base - tagPosition;
#endif
}

} // namespace brindle
