#include "export/tga_writer.h"

#include <algorithm>

namespace brindle {

std::vector<uint8_t> EncodeTga(const WindowOps& window) {
    const int width = window.PictureWidth();
    const int height = window.PictureHeight();
    const int bits = window.PictureDepth();
    std::vector<uint8_t> file(kTgaHeaderSize, 0);
    file[2] = 2; // uncompressed true-colour
    file[12] = static_cast<uint8_t>(width);
    file[13] = static_cast<uint8_t>(width >> 8);
    file[14] = static_cast<uint8_t>(height);
    file[15] = static_cast<uint8_t>(height >> 8);
    file[16] = static_cast<uint8_t>(bits);
    // Descriptor 0: origin at the lower left, no attribute bits declared.
    if (width <= 0 || height <= 0)
        return file;
    const size_t stride = static_cast<size_t>(width) * static_cast<size_t>(bits / 8);
    file.resize(kTgaHeaderSize + stride * static_cast<size_t>(height), 0);
    // Each row takes exactly its stride, so the pixel data always match the
    // header whatever a window hands out.
    auto out = file.begin() + kTgaHeaderSize;
    for (int y = height - 1; y >= 0; --y, out += static_cast<std::ptrdiff_t>(stride)) {
        std::span<const uint8_t> row = window.PictureRowConst(y);
        std::copy_n(row.begin(), std::min(row.size(), stride), out);
    }
    return file;
}

} // namespace brindle
