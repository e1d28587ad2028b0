#include "inspect/select_entry.h"

#include "inspect/hex_dump.h"
#include "tests/fixture/opened_container.h"
#include "tests/inspect/image_fixture.h"

#include <gtest/gtest.h>

namespace brindle::testing_inspect {
namespace {

using fixture::OpenedContainer;
using fixture::XomBuilder;

// Node 0 "XBlob(3)" with entries 1 to 3, node 4 "XImage(3)" with entries
// 5 to 7: a picture, a record of an unknown type, and a record cut short by
// the file's end.
struct Selection : ::testing::Test {
    const Bytes blobData = fixture::GenericEntry(1, {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x0A});
    const Bytes thirdBlob = fixture::GenericEntry(2, {0x77});
    const ImageSpec picture = [] {
        ImageSpec imageSpec{7, 5, 0, 4, 3, 1, {}};
        imageSpec.pixels = fixture::PatternPixels(7, 5, 4);
        return imageSpec;
    }();
    const Bytes pictureData = fixture::ImageEntry(picture);
    const Bytes unknownType = fixture::ImageEntry({2, 2, 10, 4, 3, 1, Bytes(16, 0x55)});
    const Bytes cutShort = [] {
        Bytes data = fixture::ImageEntry({64, 64, 0, 4, 3, 1, Bytes(100, 0x33)});
        return data;
    }();

    XomBuilder xom = XomBuilder()
                         .Strings({"", "one", "two", "pic"})
                         .Type("XBlob", 3)
                         .Type("XImage", 3)
                         .Entry(blobData)
                         .Entry({}) // its tag directly followed by the next tag
                         .Entry(thirdBlob)
                         .Entry(pictureData)
                         .Entry(unknownType)
                         .Entry(cutShort);
    const Bytes file = xom.Build();
    OpenedContainer opened{file};

    void SetUp() override { ASSERT_FALSE(opened.error) << *opened.error; }
    uint32_t DataPosition(size_t entry) const {
        return static_cast<uint32_t>(xom.EntryTag(entry) + 4);
    }
    void Select(int64_t node) {
        std::optional<std::string> error = opened.Select(node);
        ASSERT_FALSE(error) << *error;
    }
    const HeadlessWindow& window() const { return opened.window; }
};

TEST_F(Selection, ImageEntryWithPreviewShowsThePicture) {
    Select(5);

    EXPECT_FALSE(window().TextVisible());
    EXPECT_TRUE(window().SaveImageEnabled());
    EXPECT_EQ(opened.state.SelectedImage, DataPosition(3));
    EXPECT_EQ(opened.Main(), "0x3 (pic)");
    EXPECT_EQ(opened.Info(), "7x5x32bit type:0");
    EXPECT_EQ(window().PictureWidth(), 7);
    EXPECT_EQ(window().PictureHeight(), 5);
    auto bytes = window().Image().Bytes();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), ExpectedPicture(picture, true));
}

TEST_F(Selection, ImageEntryWithPreviewOffShowsTheHexDump) {
    Select(5);
    opened.window.SetPreviewChecked(false);
    Select(5);

    EXPECT_TRUE(window().TextVisible());
    EXPECT_FALSE(window().SaveImageEnabled());
    EXPECT_EQ(window().Text(), HexDumpText(pictureData));
    // The first entry of the second type, the first type having three.
    EXPECT_EQ(opened.Main(), "0x3 (pic) 5(0)");
    EXPECT_EQ(opened.state.SelectedImage, DataPosition(3)) << "kept for the save";
    EXPECT_EQ(opened.Info(), "7x5x32bit type:0") << "the last picture's description stays";
}

TEST_F(Selection, RefusedRecordsShowTheirHexDump) {
    struct Case {
        int64_t node;
        Bytes data;
        std::string main;
    };
    // The cut-short record is the file's last entry: its dump runs to the
    // file's end and no further.
    for (const Case& c :
         {Case{6, unknownType, "0x3 (pic) 6(1)"}, Case{7, cutShort, "0x3 (pic) 7(2)"}}) {
        Select(5);
        Select(c.node);

        EXPECT_TRUE(window().TextVisible()) << c.node;
        EXPECT_FALSE(window().SaveImageEnabled()) << c.node;
        EXPECT_EQ(window().Text(), HexDumpText(c.data)) << c.node;
        EXPECT_EQ(opened.Main(), c.main);
        EXPECT_EQ(opened.Info(), "7x5x32bit type:0");
        EXPECT_EQ(opened.state.SelectedImage, DataPosition(3));
    }
}

TEST_F(Selection, OtherEntriesShowTheirDataAsHexDump) {
    Select(1);
    EXPECT_TRUE(window().TextVisible());
    EXPECT_FALSE(window().SaveImageEnabled());
    EXPECT_EQ(window().Text(), HexDumpText(blobData));
    EXPECT_EQ(opened.Main(), "0x1 (one) 1(0)");

    // A slot of size 4: no data, an empty and visible text view.
    ASSERT_EQ(opened.state.EntryIndex.at(2).size, 4);
    Select(5);
    Select(2);
    EXPECT_TRUE(window().TextVisible());
    EXPECT_EQ(window().Text(), "");
    EXPECT_EQ(opened.Main(), "0x52 ([OUT]) 2(1)") << "its first index is read from the next tag";

    Select(3);
    EXPECT_EQ(window().Text(), HexDumpText(thirdBlob));
    EXPECT_EQ(opened.Main(), "0x2 (two) 3(2)");
}

TEST_F(Selection, TypeNodeChangesOnlyTheStatusText) {
    Select(5);
    const std::string info = opened.Info();
    const std::string text = window().Text();

    Select(0);
    EXPECT_EQ(opened.Main(), "XBlob(3) 0(0)");
    EXPECT_FALSE(window().TextVisible());
    EXPECT_TRUE(window().SaveImageEnabled());
    EXPECT_EQ(window().Text(), text);
    EXPECT_EQ(opened.Info(), info);
    EXPECT_EQ(window().PictureWidth(), 7);

    Select(4);
    EXPECT_EQ(opened.Main(), "XImage(3) 4(1)");
}

TEST_F(Selection, NothingSelectedChangesNothing) {
    Select(1);
    const std::string text = window().Text();
    opened.window.SelectNode(std::nullopt);
    TreeView1Change(opened.state, opened.window);

    EXPECT_EQ(opened.Main(), "0x1 (one) 1(0)");
    EXPECT_EQ(window().Text(), text);
}

TEST_F(Selection, EntryNodeWithoutSlotShowsAnEmptyDump) {
    Select(5);
    opened.state.EntryIndex.resize(3);
    Select(5);

    EXPECT_TRUE(window().TextVisible());
    EXPECT_FALSE(window().SaveImageEnabled());
    EXPECT_EQ(window().Text(), "");
    EXPECT_EQ(opened.Main(), "0x3 (pic) 5(0)");
}

} // namespace
} // namespace brindle::testing_inspect
