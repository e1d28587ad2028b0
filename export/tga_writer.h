#pragma once
// Uncompressed true-colour TGA: an 18-byte header, then the picture's rows
// from the bottom up, no image ID, no colour map, no footer.

#include "app/window_ops.h"

#include <cstdint>
#include <vector>

namespace brindle {

inline constexpr size_t kTgaHeaderSize = 18;

// The picture of Image1 as a whole TGA file. A picture with a width or
// height of 0 gives the header alone.
std::vector<uint8_t> EncodeTga(const WindowOps& window);

} // namespace brindle
