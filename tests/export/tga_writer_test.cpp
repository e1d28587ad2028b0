#include "export/tga_writer.h"

#include "app/headless_window.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

namespace brindle {
namespace {

using fixture::Bytes;

// A picture whose every byte tells its row, column and channel apart.
void FillPicture(HeadlessWindow& window, int width, int height, int bits) {
    window.PictureClear();
    window.PictureSetDepth(bits);
    window.PictureSetWidth(width);
    window.PictureSetHeight(height);
    for (int y = 0; y < height; ++y) {
        std::span<uint8_t> row = window.PictureRow(y);
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<uint8_t>(y * 40 + i + 1);
    }
}

Bytes Header(const Bytes& file) {
    return Bytes(file.begin(), file.begin() + std::min<size_t>(file.size(), kTgaHeaderSize));
}

TEST(EncodeTga, HeaderDeclaresAnUncompressedTrueColourPictureFromTheLowerLeft) {
    HeadlessWindow window;
    FillPicture(window, 256, 128, 32);
    Bytes file = EncodeTga(window);
    EXPECT_EQ(Header(file), (Bytes{0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x00, 0x01, 0x80, 0x00, 0x20, 0x00}));
    EXPECT_EQ(file.size(), 18u + 131072u);

    FillPicture(window, 300, 513, 24);
    file = EncodeTga(window);
    EXPECT_EQ(Header(file), (Bytes{0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x2C, 0x01, 0x01, 0x02, 0x18, 0x00}));
    EXPECT_EQ(file.size(), 18u + 300u * 513u * 3u);
}

TEST(EncodeTga, WritesRowsFromTheBottomUpWithoutPadding) {
    struct Case {
        int width, height, bits;
    };
    for (Case c : {Case{3, 2, 24}, Case{2, 3, 32}, Case{1, 1, 24}, Case{5, 4, 24}}) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << "x" << c.bits);
        HeadlessWindow window;
        FillPicture(window, c.width, c.height, c.bits);
        Bytes expected = Header(EncodeTga(window));
        for (int y = c.height - 1; y >= 0; --y) {
            // Built independently of the picture: byte i of row y is y * 40 + i + 1.
            for (int i = 0; i < c.width * c.bits / 8; ++i)
                expected.push_back(static_cast<uint8_t>(y * 40 + i + 1));
        }
        EXPECT_EQ(EncodeTga(window), expected);
        EXPECT_EQ(expected.size(), 18u + size_t(c.width * c.height * c.bits / 8));
    }
}

TEST(EncodeTga, ThreeByTwoAt24BitsIsTwoRowsOfNineBytes) {
    HeadlessWindow window;
    FillPicture(window, 3, 2, 24);
    Bytes file = EncodeTga(window);
    ASSERT_EQ(file.size(), 36u);
    EXPECT_EQ(Bytes(file.begin() + 18, file.end()),
              (Bytes{41, 42, 43, 44, 45, 46, 47, 48, 49, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(EncodeTga, EmptyPictureIsTheHeaderWithItsZeroSize) {
    for (auto [width, height] : {std::pair{0, 16}, std::pair{16, 0}, std::pair{0, 0}}) {
        HeadlessWindow window;
        FillPicture(window, width, height, 32);
        Bytes file = EncodeTga(window);
        ASSERT_EQ(file.size(), kTgaHeaderSize);
        EXPECT_EQ(file[12] | file[13] << 8, width);
        EXPECT_EQ(file[14] | file[15] << 8, height);
        EXPECT_EQ(file[16], 32);
        EXPECT_EQ(file[17], 0);
    }
}

} // namespace
} // namespace brindle
