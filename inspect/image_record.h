#pragma once
// Where an XImage record keeps its fields. Everything after the first index
// shifts by one byte when that index is wide, and the pixel block shifts once
// more when the second index is.

#include "xom/byte_reader.h"

#include <cstdint>

namespace brindle {

inline constexpr int kMaxImageSide = 512;
inline constexpr int kMaxImageType = 9;

struct ImageRecord {
    int64_t dataPosition = 0;
    int firstIndexExtra = 0; // N: 1 when the first index is wide
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t type = 0;   // T
    uint8_t format = 0; // 2 or 4: 32-bit pixels, anything else 24-bit

    int64_t FieldPosition(int64_t offset) const { return dataPosition + offset + firstIndexExtra; }
    int64_t WidthPosition() const { return FieldPosition(4); }
    int64_t HeightPosition() const { return FieldPosition(6); }
    int64_t TypePosition() const { return FieldPosition(8); }
    int64_t FormatPosition() const { return FieldPosition(10); }
    // The second index follows 8 (T + 1) skipped bytes after the format byte.
    int64_t SecondIndexPosition() const { return FieldPosition(19 + 8 * int64_t{type}); }

    bool KnownType() const { return type <= kMaxImageType; }
    int BytesPerPixel() const { return format == 2 || format == 4 ? 4 : 3; }
    int Bits() const { return BytesPerPixel() * 8; }
    int64_t PixelBlockSize() const { return int64_t{width} * int64_t{height} * BytesPerPixel(); }
};

// The header fields of the record at dataPosition (bytes past the file read
// as zero).
ImageRecord ReadImageRecord(const ByteReader& file, int64_t dataPosition);

// Start of the pixel block, which follows the second index.
int64_t PixelBlockStart(const ByteReader& file, const ImageRecord& record);

} // namespace brindle
