#include "app/picture.h"

#include <algorithm>
#include <stdexcept>

namespace brindle {

void Picture::Clear() {
    width_ = 0;
    height_ = 0;
    pixels_.clear();
}

void Picture::SetWidth(int width) {
    width_ = std::max(width, 0);
    pixels_.assign(Stride() * static_cast<size_t>(height_), 0);
}

void Picture::SetHeight(int height) {
    height_ = std::max(height, 0);
    pixels_.resize(Stride() * static_cast<size_t>(height_), 0);
}

void Picture::SetDepth(int bits) {
    if (bits != 24 && bits != 32)
        throw std::invalid_argument("picture depth must be 24 or 32 bits");
    bits_ = bits;
    pixels_.assign(Stride() * static_cast<size_t>(height_), 0);
}

std::span<uint8_t> Picture::Row(int y) {
    if (y < 0 || y >= height_)
        return {};
    return std::span<uint8_t>(pixels_).subspan(Stride() * static_cast<size_t>(y), Stride());
}

std::span<const uint8_t> Picture::Row(int y) const {
    if (y < 0 || y >= height_)
        return {};
    return std::span<const uint8_t>(pixels_).subspan(Stride() * static_cast<size_t>(y), Stride());
}

} // namespace brindle
