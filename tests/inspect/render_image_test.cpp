#include "inspect/render_image.h"

#include "tests/inspect/image_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brindle::testing_inspect {
namespace {

// Where the pixel block starts, counted from the tag, worked out from the
// record's fields rather than from the decoder.
uint32_t BlockStart(const ImageSpec& imageSpec) {
    return kRecordPosition + 20 + (imageSpec.firstIndex >= 128 ? 1 : 0) + 8 * imageSpec.type +
           (imageSpec.secondIndex >= 128 ? 1 : 0);
}

ImageSpec Spec(uint16_t width, uint16_t height, uint8_t type, uint8_t format,
               uint32_t firstIndex = 1, uint32_t secondIndex = 1) {
    ImageSpec imageSpec{width, height, type, format, firstIndex, secondIndex, {}};
    imageSpec.pixels = fixture::PatternPixels(width, height, BytesPerPixel(imageSpec));
    return imageSpec;
}

struct AcceptedCase {
    std::string name;
    ImageSpec imageSpec;
    int bits;
    std::string info;
};

void PrintTo(const AcceptedCase& c, std::ostream* out) {
    *out << c.name;
}

class AcceptedRecord : public ::testing::TestWithParam<AcceptedCase> {};

// Each record ends exactly at the file's end, so these also show that a
// pixel block reaching the last byte is drawn.
TEST_P(AcceptedRecord, DecodesFieldsWhereTheyLie) {
    const AcceptedCase& c = GetParam();
    Decoder decoder;
    decoder.Load(RecordFile(c.imageSpec));

    ASSERT_TRUE(decoder.Render());
    EXPECT_EQ(decoder.window.PictureWidth(), c.imageSpec.width);
    EXPECT_EQ(decoder.window.PictureHeight(), c.imageSpec.height);
    EXPECT_EQ(decoder.window.PictureDepth(), c.bits);
    EXPECT_EQ(decoder.state.ImageBits, c.bits);
    EXPECT_EQ(decoder.state.PixelData, BlockStart(c.imageSpec));
    EXPECT_EQ(decoder.Picture(), ExpectedPicture(c.imageSpec, true));
    EXPECT_EQ(decoder.Main(), kNodeText);
    EXPECT_EQ(decoder.Info(), c.info);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AcceptedRecord,
    ::testing::Values(
        AcceptedCase{"NarrowIndexes", Spec(5, 3, 0, 4), 32, "5x3x32bit type:0"},
        AcceptedCase{"WideFirstIndex", Spec(5, 3, 2, 4, 200), 32, "5x3x32bit type:2"},
        AcceptedCase{"WideSecondIndex", Spec(5, 3, 0, 4, 1, 300), 32, "5x3x32bit type:0"},
        AcceptedCase{"BothWideType9", Spec(6, 2, 9, 2, 200, 300), 32, "6x2x32bit type:9"},
        AcceptedCase{"Type9", Spec(3, 3, 9, 0), 24, "3x3x24bit type:9"},
        AcceptedCase{"Width512", Spec(512, 2, 1, 4), 32, "512x2x32bit type:1"},
        AcceptedCase{"Height512", Spec(2, 512, 0, 3), 24, "2x512x24bit type:0"},
        AcceptedCase{"Both512", Spec(512, 512, 0, 0), 24, "512x512x24bit type:0"},
        AcceptedCase{"Format0", Spec(4, 2, 0, 0), 24, "4x2x24bit type:0"},
        AcceptedCase{"Format1", Spec(4, 2, 0, 1), 24, "4x2x24bit type:0"},
        AcceptedCase{"Format2", Spec(4, 2, 0, 2), 32, "4x2x32bit type:0"},
        AcceptedCase{"Format3", Spec(4, 2, 0, 3), 24, "4x2x24bit type:0"},
        AcceptedCase{"Format4", Spec(4, 2, 0, 4), 32, "4x2x32bit type:0"},
        AcceptedCase{"Format5", Spec(4, 2, 0, 5), 24, "4x2x24bit type:0"},
        AcceptedCase{"Format255", Spec(4, 2, 0, 255), 24, "4x2x24bit type:0"},
        AcceptedCase{"Status256x128", Spec(256, 128, 0, 4), 32, "256x128x32bit type:0"},
        AcceptedCase{"NoColumns", Spec(0, 16, 0, 4), 32, "0x16x32bit type:0"},
        AcceptedCase{"NoRows", Spec(16, 0, 3, 1), 24, "16x0x24bit type:3"}),
    [](const auto& info) { return info.param.name; });

TEST(RenderImage, WithoutBlendingKeepsColoursAndAlpha) {
    Decoder decoder;
    ImageSpec imageSpec = Spec(19, 11, 0, 4);
    decoder.Load(RecordFile(imageSpec));

    ASSERT_TRUE(decoder.Render(kRecordPosition, false));
    EXPECT_EQ(decoder.Picture(), ExpectedPicture(imageSpec, false));
    // Source (r, g, b, a) of the bottom-left pixel as (b, g, r, a).
    const uint8_t* s = imageSpec.pixels.data();
    std::span<const uint8_t> bottom = decoder.window.PictureRowConst(10);
    EXPECT_EQ((Bytes{bottom[0], bottom[1], bottom[2], bottom[3]}), (Bytes{s[2], s[1], s[0], s[3]}));
}

TEST(RenderImage, BlendingLeaves24BitRecordsAsTheyAre) {
    Decoder decoder;
    ImageSpec imageSpec = Spec(9, 9, 0, 0);
    decoder.Load(RecordFile(imageSpec));

    ASSERT_TRUE(decoder.Render(kRecordPosition, true));
    EXPECT_EQ(decoder.Picture(), ExpectedPicture(imageSpec, false));
}

// ---- Refusals ----

struct RefusedCase {
    std::string name;
    Bytes file;
    uint32_t position = kRecordPosition;
    // The picture afterwards and whether the record was placed.
    int width;
    int height;
    bool placed;
    bool showsText; // the text view is made visible
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

Bytes WithoutLastByte(Bytes file) {
    file.pop_back();
    return file;
}

Bytes HeaderOnly(const ImageSpec& imageSpec) {
    Bytes file = RecordFile(imageSpec);
    file.resize(file.size() - imageSpec.pixels.size());
    return file;
}

// The header's first bytes only: the width survives, the rest is past the
// file's end.
Bytes CutInHeader() {
    Bytes file = RecordFile(Spec(6, 4, 0, 4));
    file.resize(kRecordPosition + 6);
    return file;
}

std::vector<RefusedCase> RefusedCases() {
    return {
        {"Width513", RecordFile(Spec(513, 1, 0, 0)), kRecordPosition, 0, 0, false, false},
        {"Height513", RecordFile(Spec(3, 513, 0, 0)), kRecordPosition, 3, 0, false, false},
        {"Both513", RecordFile(Spec(513, 513, 0, 0)), kRecordPosition, 0, 0, false, false},
        {"Type10", RecordFile(Spec(7, 5, 10, 4)), kRecordPosition, 7, 5, true, true},
        {"Type255", RecordFile(Spec(7, 5, 255, 0)), kRecordPosition, 7, 5, true, true},
        {"WideFirstIndexType10", RecordFile(Spec(7, 5, 10, 4, 200)), kRecordPosition, 7, 5, true,
         true},
        // Pixel blocks that do not lie wholly inside the file.
        {"LastPixelByteMissing", WithoutLastByte(RecordFile(Spec(7, 5, 0, 4))), kRecordPosition, 7,
         5, true, true},
        {"LastPixelByteMissing24", WithoutLastByte(RecordFile(Spec(7, 5, 1, 0))), kRecordPosition,
         7, 5, true, true},
        {"NoPixelsAtAll", HeaderOnly(Spec(7, 5, 0, 4)), kRecordPosition, 7, 5, true, true},
        // A wide second index whose second byte is the one past the end.
        {"WideSecondIndexCut", WithoutLastByte(RecordFile(Spec(0, 0, 0, 4, 1, 300))),
         kRecordPosition, 0, 0, true, true},
        {"CutInHeader", CutInHeader(), kRecordPosition, 6, 0, true, true},
        {"Declares512x512", HeaderOnly(Spec(512, 512, 0, 4)), kRecordPosition, 512, 512, true,
         true},
        // Offsets near the top of 32 bits wrap back into the file when added
        // in 32-bit arithmetic; all header bytes read as zero there.
        {"PositionNearTop", RecordFile(Spec(2, 2, 0, 0)), 0xFFFFFFF0u, 0, 0, true, true},
        {"PositionBeyondFile", RecordFile(Spec(2, 2, 0, 0)), 0x7FFFFFF0u, 0, 0, true, true},
    };
}

class RefusedRecord : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRecord, ReturnsFalseAndKeepsState) {
    const RefusedCase& c = GetParam();
    Decoder decoder;
    decoder.Load(c.file);
    // What an earlier picture left behind.
    decoder.state.ImageBits = 24;
    decoder.state.PixelData = 77;
    decoder.window.StatusSetText(decoder.state.MainPanel, "earlier main");
    decoder.window.StatusSetText(decoder.state.InfoPanel, "earlier info");
    decoder.window.TextSetVisible(false);
    const Point earlier{11, 13};
    decoder.window.ImageSetPosition(earlier);

    EXPECT_FALSE(decoder.Render(c.position));

    EXPECT_EQ(decoder.window.PictureWidth(), c.width);
    EXPECT_EQ(decoder.window.PictureHeight(), c.height);
    EXPECT_EQ(decoder.Picture(), Bytes(decoder.Picture().size(), 0)) << "black";
    if (c.placed) {
        Size box = decoder.window.ScrollBoxSize();
        EXPECT_EQ(decoder.window.ImagePosition(),
                  (Point{std::max(box.width / 2 - c.width / 2, 0),
                         std::max(box.height / 2 - c.height / 2, 0)}));
    } else {
        EXPECT_EQ(decoder.window.ImagePosition(), earlier);
    }
    EXPECT_EQ(decoder.window.TextVisible(), c.showsText);
    EXPECT_EQ(decoder.state.ImageBits, 24);
    EXPECT_EQ(decoder.state.PixelData, 77u);
    EXPECT_EQ(decoder.Main(), "earlier main");
    EXPECT_EQ(decoder.Info(), "earlier info");
}

INSTANTIATE_TEST_SUITE_P(Records, RefusedRecord, ::testing::ValuesIn(RefusedCases()),
                         [](const auto& info) { return info.param.name; });

TEST(RenderImage, EveryCallStartsFromAnEmptyPicture) {
    Decoder decoder;
    decoder.Load(RecordFile(Spec(20, 20, 0, 4)));
    ASSERT_TRUE(decoder.Render());

    decoder.Load(RecordFile(Spec(600, 2, 0, 4)));
    EXPECT_FALSE(decoder.Render());
    EXPECT_EQ(decoder.window.PictureWidth(), 0);
    EXPECT_EQ(decoder.window.PictureHeight(), 0);
}

TEST(RenderImage, WithNothingSelectedLeavesTheNodeTextEmpty) {
    Decoder decoder;
    decoder.Load(RecordFile(Spec(2, 2, 0, 4)));
    decoder.window.SelectNode(std::nullopt);

    ASSERT_TRUE(decoder.Render());
    EXPECT_EQ(decoder.Main(), "");
    EXPECT_EQ(decoder.Info(), "2x2x32bit type:0");
}

// ---- Placement in the 201 x 177 scroll box ----

struct PlacementCase {
    uint16_t width;
    uint16_t height;
    Point expected;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentresAndClampsToTheCorner) {
    const PlacementCase& c = GetParam();
    Decoder decoder;
    ASSERT_EQ(decoder.window.ScrollBoxSize(), (Size{201, 177}));
    decoder.Load(RecordFile(Spec(c.width, c.height, 0, 0)));

    ASSERT_TRUE(decoder.Render());
    EXPECT_EQ(decoder.window.ImagePosition(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ScrollBox, Placement,
    ::testing::Values(PlacementCase{128, 128, {36, 24}}, PlacementCase{7, 5, {97, 86}},
                      PlacementCase{512, 512, {0, 0}}, PlacementCase{300, 10, {0, 83}},
                      PlacementCase{10, 300, {95, 0}}, PlacementCase{0, 0, {100, 88}}));

} // namespace
} // namespace brindle::testing_inspect
