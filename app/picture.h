#pragma once
// A bitmap as the picture view holds it: rows from the top, pixels stored
// blue, green, red (and a fourth byte at 32 bits), rows packed back to back.

#include <cstdint>
#include <span>
#include <vector>

namespace brindle {

class Picture {
public:
    void Clear(); // 0 x 0, black
    void SetWidth(int width);
    void SetHeight(int height); // keeps the rows that stay, new rows are black
    void SetDepth(int bits);    // 24 or 32; the pixels turn black

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Depth() const { return bits_; }
    size_t Stride() const { return static_cast<size_t>(width_) * static_cast<size_t>(bits_ / 8); }

    std::span<uint8_t> Row(int y);
    std::span<const uint8_t> Row(int y) const;
    std::span<const uint8_t> Bytes() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    int bits_ = 32;
    std::vector<uint8_t> pixels_;
};

} // namespace brindle
