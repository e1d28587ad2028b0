#include "inspect/pixel_rows.h"

#include "tests/inspect/image_fixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace brindle::testing_inspect {
namespace {

struct BlendCase {
    uint8_t c;
    uint8_t a;
    uint8_t k;
    uint8_t expected;
};

class BlendValue : public ::testing::TestWithParam<BlendCase> {};

TEST_P(BlendValue, WeighsAlphaBy256AndRoundsHalfToEven) {
    const BlendCase& c = GetParam();
    EXPECT_EQ(BlendChannel(c.c, c.a, c.k), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Channels, BlendValue,
    ::testing::Values(BlendCase{0, 255, 255, 1},     // opaque still lets 1/256 through
                      BlendCase{0, 128, 255, 128},   // 127.5 to even
                      BlendCase{1, 128, 192, 96},    // 96.5 to even
                      BlendCase{3, 128, 192, 98},    // 97.5 to even
                      BlendCase{200, 0, 192, 192},   // clear shows the background
                      BlendCase{200, 0, 255, 255},   //
                      BlendCase{255, 255, 192, 255}, // 254.75 up
                      BlendCase{0, 255, 192, 1}));   // 0.75 up

TEST(BlendChannel, MatchesTheExactFractionForEveryInput) {
    for (int k : {192, 255})
        for (int a = 0; a < 256; ++a)
            for (int c = 0; c < 256; ++c)
                ASSERT_EQ(BlendChannel(c, a, k), ReferenceBlend(c, a, k))
                    << "c=" << c << " a=" << a << " k=" << k;
}

// The row loop does several pixels at a time: run every channel value at
// every alpha over both backgrounds through it, in every lane position.
TEST(BlendRow32, MatchesTheExactFractionForEveryInput) {
    for (bool startsLight : {true, false}) {
        for (int a = 0; a < 256; ++a) {
            Bytes source;
            for (int c = 0; c < 256; ++c)
                for (int repeat = 0; repeat < 2; ++repeat) // both square parities
                    source.insert(source.end(),
                                  {uint8_t(c), uint8_t(255 - c), uint8_t(c ^ 0x5A), uint8_t(a)});
            source.insert(source.end(), {1, 2, 3, uint8_t(a), 4, 5, 6, uint8_t(a)}); // a tail
            Bytes target(source.size());
            BlendRow32(source, target, startsLight);

            for (size_t x = 0; x < source.size() / 4; ++x) {
                bool light = (x / 8 % 2 == 0) == startsLight;
                uint8_t k = light ? 255 : 192;
                const uint8_t* s = &source[4 * x];
                const uint8_t* t = &target[4 * x];
                ASSERT_EQ(std::make_tuple(t[0], t[1], t[2], t[3]),
                          std::make_tuple(ReferenceBlend(s[2], s[3], k),
                                          ReferenceBlend(s[1], s[3], k),
                                          ReferenceBlend(s[0], s[3], k), s[3]))
                    << "pixel " << x << " alpha " << a;
            }
        }
    }
}

// Fully clear pixels show the checkerboard itself.
ImageSpec Clear(uint16_t width, uint16_t height) {
    ImageSpec imageSpec{width, height, 0, 4, 1, 1, {}};
    imageSpec.pixels.assign(size_t{width} * height * 4, 0);
    for (size_t i = 0; i < imageSpec.pixels.size(); i += 4)
        imageSpec.pixels[i] = 90; // some red that must not show through
    return imageSpec;
}

TEST(Checkerboard, BottomLeftAndTopRightQuartersAreLight) {
    Decoder decoder;
    decoder.Load(RecordFile(Clear(16, 16)));
    ASSERT_TRUE(decoder.Render());

    for (int row = 0; row < 16; ++row) {
        std::span<const uint8_t> pixels = decoder.window.PictureRowConst(row);
        for (int x = 0; x < 16; ++x) {
            bool bottom = row >= 8;
            bool left = x < 8;
            uint8_t expected = bottom == left ? 255 : 192;
            const uint8_t* p = &pixels[size_t(x) * 4];
            ASSERT_EQ(std::make_tuple(p[0], p[1], p[2], p[3]),
                      std::make_tuple(expected, expected, expected, uint8_t{0}))
                << "row " << row << " column " << x;
        }
    }
}

// Rows start in their own phase however many squares the previous row
// crossed, also with partial squares at the right edge and the top.
TEST(Checkerboard, EveryRowStartsInTheSamePhaseWhateverTheWidth) {
    for (auto [width, height] : {std::pair{12, 16}, {20, 9}, {1, 24}, {9, 17}, {512, 3}}) {
        Decoder decoder;
        ImageSpec imageSpec = Clear(static_cast<uint16_t>(width), static_cast<uint16_t>(height));
        decoder.Load(RecordFile(imageSpec));
        ASSERT_TRUE(decoder.Render());
        EXPECT_EQ(decoder.Picture(), ExpectedPicture(imageSpec, true)) << width << " x " << height;
    }
}

TEST(BlendRow32, ConvertsOnlyWholePixelsThatFitBothRows) {
    const Bytes source = {10, 20, 30, 0, 40, 50, 60, 0, 70};
    Bytes target(6, 7);
    BlendRow32(source, target, false);
    // One whole pixel fits the target; the dark square since the row
    // starts dark.
    EXPECT_EQ(target, (Bytes{192, 192, 192, 0, 7, 7}));
}

} // namespace
} // namespace brindle::testing_inspect
