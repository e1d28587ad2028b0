#pragma once
// One row of an image record turned into one row of the picture: the
// record's red, green, blue (, alpha) into the picture's blue, green, red
// (, fourth byte). These loops run for every pixel of every preview.

#include <cstdint>
#include <span>

namespace brindle {

inline constexpr uint8_t kCheckerLight = 255;
inline constexpr uint8_t kCheckerDark = 192;
inline constexpr int kCheckerSquare = 8;

// Channel c at alpha a over background k, weighted a / 256 and rounded to
// the nearest value with halves going to the even neighbour.
constexpr uint8_t BlendChannel(uint32_t c, uint32_t a, uint32_t k) {
    uint32_t m = c * a + k * (256 - a);
    return static_cast<uint8_t>((m + 127 + ((m >> 8) & 1)) >> 8);
}

// Whether the checkerboard square under source row y, column 0 is light:
// squares alternate along rows and columns, the bottom-left one light.
constexpr bool CheckerRowStartsLight(int sourceRow) {
    return (sourceRow / kCheckerSquare) % 2 == 0;
}

// Each converts min(source, target) whole pixels.
void ConvertRow24(std::span<const uint8_t> source, std::span<uint8_t> target);
void ConvertRow32(std::span<const uint8_t> source, std::span<uint8_t> target);
void BlendRow32(std::span<const uint8_t> source, std::span<uint8_t> target, bool startsLight);

} // namespace brindle
