#pragma once
// The byte layout of a container: header, type records, string block and the
// entries, each opened by the tag "CTNR". Everything is read in place through
// a ByteReader.

#include "xom/byte_reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brindle {

inline constexpr std::string_view kEntryTag = "CTNR";
inline constexpr std::string_view kStringsTag = "STRS";
inline constexpr int64_t kHeaderSize = 64;
inline constexpr int64_t kTypeRecordSize = 64;
inline constexpr int64_t kTypeCountOffset = 24;
// Within an entry, counted from its tag.
inline constexpr int64_t kEntryDataOffset = 4;
inline constexpr int64_t kFirstIndexOffset = 7;

struct Index {
    uint32_t value = 0; // 0 to 32767
    bool wide = false;  // took two bytes
};

// A 1- or 2-byte string number; its first byte's top bit says it is wide.
Index ReadIndex(const ByteReader& file, int64_t position);
inline bool IsWideIndex(uint8_t firstByte) {
    return firstByte > 127;
}

// The key under which the string table lists string j: its stored index
// bytes read with the first byte low, extended past 32767 by the same rule.
uint32_t EncodeIndexKey(uint32_t j);
// EncodeIndexKey(j) as upper-case hex with at least two digits.
std::string IndexKeyText(uint32_t j);
// Appends value in upper-case hex, zero-padded to at least minDigits.
void AppendUpperHex(std::string& text, uint32_t value, int minDigits = 1);

uint16_t ReadTypeCount(const ByteReader& file);

// Type names and strings are cut at this length. Without a zero byte they
// run on into the following bytes, and every entry's label copies its name:
// a damaged file could otherwise copy the rest of itself once for each of up
// to 65535 names or strings, and once more for each entry. Real names are a
// few dozen bytes.
inline constexpr size_t kMaxTextLength = 1024;

struct TypeRecord {
    uint16_t entryCount = 0;
    std::string_view name; // runs to the first zero byte, past the record if need be
};
TypeRecord ReadTypeRecord(const ByteReader& file, uint32_t index);

struct StringBlock {
    int64_t start = 0; // B: the block's fields begin here
    uint16_t count = 0;
    uint16_t dataSize = 0;

    int64_t DataStart() const { return start + 8 + 4 * int64_t{count}; }
    // The first entry's tag.
    int64_t EntriesStart() const { return DataStart() + dataSize; }
};
// B lies after "STRS" when the tag stands at 64 n + 80, else at 64 n + 100.
StringBlock ReadStringBlock(const ByteReader& file, uint32_t typeCount);
std::string_view ReadString(const ByteReader& file, const StringBlock& block, uint32_t j);

// Distance from the tag at tagPosition to the next "CTNR" that lies wholly
// within the file's first fileSize bytes, searched from tagPosition + 4; none
// when no tag remains.
std::optional<int64_t> FindNextTag(const ByteReader& file, int64_t tagPosition, int64_t fileSize);

// Type names that carry meaning; all others are only listed.
inline constexpr std::string_view kGraphSetType = "XGraphSet";
inline constexpr std::string_view kImageType = "XImage";

} // namespace brindle
