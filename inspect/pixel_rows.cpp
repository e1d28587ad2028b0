#include "inspect/pixel_rows.h"

#include <algorithm>
#include <cstddef>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace brindle {
namespace {

size_t PixelCount(std::span<const uint8_t> source, std::span<uint8_t> target,
                  size_t bytesPerPixel) {
    return std::min(source.size(), target.size()) / bytesPerPixel;
}

void BlendPixelsScalar(const uint8_t* source, uint8_t* target, size_t pixels, uint32_t k) {
    for (size_t i = 0; i < pixels; ++i, source += 4, target += 4) {
        uint32_t a = source[3];
        target[0] = BlendChannel(source[2], a, k);
        target[1] = BlendChannel(source[1], a, k);
        target[2] = BlendChannel(source[0], a, k);
        target[3] = static_cast<uint8_t>(a);
    }
}

#if defined(__SSE2__) || defined(_M_X64)
// Four pixels at once in 16-bit lanes. Every intermediate fits: c a and
// k (256 - a) are at most 65025 and 65280, and so is their sum.
inline __m128i BlendFour(__m128i pixels, __m128i k) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(256);
    const __m128i round = _mm_set1_epi16(127);
    const __m128i one = _mm_set1_epi16(1);
    const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    __m128i halves[2] = {_mm_unpacklo_epi8(pixels, zero), _mm_unpackhi_epi8(pixels, zero)};
    for (__m128i& c : halves) {
        // (r, g, b, a) lanes to (b, g, r, a), and a into every lane.
        c = _mm_shufflehi_epi16(_mm_shufflelo_epi16(c, _MM_SHUFFLE(3, 0, 1, 2)),
                                _MM_SHUFFLE(3, 0, 1, 2));
        __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(c, _MM_SHUFFLE(3, 3, 3, 3)),
                                        _MM_SHUFFLE(3, 3, 3, 3));
        __m128i m =
            _mm_add_epi16(_mm_mullo_epi16(c, a), _mm_mullo_epi16(k, _mm_sub_epi16(full, a)));
        // Halves to even: add 127, plus 1 when the quotient is odd.
        __m128i odd = _mm_and_si128(_mm_srli_epi16(m, 8), one);
        c = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(m, round), odd), 8);
    }
    __m128i blended = _mm_packus_epi16(halves[0], halves[1]);
    // The fourth byte keeps the record's alpha.
    return _mm_or_si128(_mm_andnot_si128(alphaBytes, blended), _mm_and_si128(alphaBytes, pixels));
}

void BlendPixels(const uint8_t* source, uint8_t* target, size_t pixels, uint32_t k) {
    const __m128i kLanes = _mm_set1_epi16(static_cast<short>(k));
    size_t i = 0;
    for (; i + 4 <= pixels; i += 4) {
        __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + 4 * i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + 4 * i), BlendFour(in, kLanes));
    }
    BlendPixelsScalar(source + 4 * i, target + 4 * i, pixels - i, k);
}
#else
void BlendPixels(const uint8_t* source, uint8_t* target, size_t pixels, uint32_t k) {
    BlendPixelsScalar(source, target, pixels, k);
}
#endif

} // namespace

void ConvertRow24(std::span<const uint8_t> source, std::span<uint8_t> target) {
    size_t pixels = PixelCount(source, target, 3);
    const uint8_t* s = source.data();
    uint8_t* t = target.data();
    for (size_t i = 0; i < pixels; ++i, s += 3, t += 3) {
        t[0] = s[2];
        t[1] = s[1];
        t[2] = s[0];
    }
}

void ConvertRow32(std::span<const uint8_t> source, std::span<uint8_t> target) {
    size_t pixels = PixelCount(source, target, 4);
    const uint8_t* s = source.data();
    uint8_t* t = target.data();
    size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Red and blue trade places inside each 32-bit pixel.
    const __m128i redBlue = _mm_set1_epi32(0x00FF00FF);
    for (; i + 4 <= pixels; i += 4) {
        __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 4 * i));
        __m128i rb = _mm_and_si128(in, redBlue);
        __m128i swapped = _mm_or_si128(_mm_slli_epi32(rb, 16), _mm_srli_epi32(rb, 16));
        __m128i out = _mm_or_si128(_mm_andnot_si128(redBlue, in), swapped);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(t + 4 * i), out);
    }
#endif
    for (; i < pixels; ++i) {
        t[4 * i] = s[4 * i + 2];
        t[4 * i + 1] = s[4 * i + 1];
        t[4 * i + 2] = s[4 * i];
        t[4 * i + 3] = s[4 * i + 3];
    }
}

void BlendRow32(std::span<const uint8_t> source, std::span<uint8_t> target, bool startsLight) {
    size_t pixels = PixelCount(source, target, 4);
    bool light = startsLight;
    for (size_t x = 0; x < pixels; x += kCheckerSquare, light = !light) {
        size_t run = std::min<size_t>(kCheckerSquare, pixels - x);
        BlendPixels(source.data() + 4 * x, target.data() + 4 * x, run,
                    light ? kCheckerLight : kCheckerDark);
    }
}

} // namespace brindle
