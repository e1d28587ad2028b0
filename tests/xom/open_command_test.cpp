#include "xom/open_command.h"

#include "tests/fixture/opened_container.h"
#include "tests/fixture/xom_builder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brindle {
namespace {

using fixture::Bytes;
using fixture::GenericEntry;
using fixture::OpenedContainer;
using fixture::XomBuilder;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> TreeLines(const HeadlessWindow& window) {
    std::vector<std::string> lines;
    const TreeStore& tree = window.Tree();
    for (int32_t top = 0; top < tree.TopCount(); ++top) {
        lines.emplace_back(tree.Text(NodeRef{top, -1}));
        for (int32_t child = 0; child < tree.ChildCount(top); ++child)
            lines.push_back("  " + std::string(tree.Text(NodeRef{top, child})));
    }
    return lines;
}

std::vector<std::string> GridLines(const HeadlessWindow& window) {
    std::vector<std::string> lines;
    for (int32_t row = 0; row < window.GridRowCount(); ++row)
        lines.push_back(window.GridKey(row) + "=" + window.GridValue(row));
    return lines;
}

// The bytes an entry's slot describes.
Bytes SlotData(const OpenedContainer& opened, int64_t node) {
    const EntrySlot& slot = opened.state.EntryIndex.at(static_cast<size_t>(node));
    auto bytes =
        opened.state.FileBytes().subspan(slot.dataPosition, static_cast<size_t>(slot.DataLength()));
    return Bytes(bytes.begin(), bytes.end());
}

TEST(OpenCommand, ListsTypesStringsAndEntriesInTreeOrder) {
    XomBuilder xom;
    xom.Strings({"", "mesh01", "water"})
        .Type("A", 2)
        .Type("B", 0)
        .Type("C", 1)
        .Entry(GenericEntry(1, {0xAA}))
        .Entry(GenericEntry(2, {0xBB, 0xBC}))
        .Entry(GenericEntry(0));
    OpenedContainer opened(xom.Build());
    ASSERT_FALSE(opened.error) << *opened.error;

    EXPECT_THAT(TreeLines(opened.window), ElementsAre("A(2)", "  0x1 (mesh01)", "  0x2 (water)",
                                                      "B(0)", "C(1)", "  0x0 (Value)"));
    EXPECT_THAT(GridLines(opened.window), ElementsAre("Key=Value", "01=mesh01", "02=water"));
    EXPECT_EQ(opened.Info(), "Strings: (3) - (14)");
    EXPECT_EQ(opened.window.Caption(), "Brindle v1.5 by Tolvanek - [container0.xom]");

    // Slots follow the absolute node numbers: A = 0, its entries 1 and 2,
    // B = 3, C = 4, C's entry 5.
    const StrArr& index = opened.state.EntryIndex;
    ASSERT_GE(index.size(), 10000u);
    for (size_t empty : {0u, 3u, 4u, 6u})
        EXPECT_TRUE(index[empty].Empty()) << empty;
    EXPECT_EQ(index[1].dataPosition, xom.EntryTag(0) + 4);
    EXPECT_EQ(index[1].size, 4 + 5);
    EXPECT_EQ(index[2].size, 4 + 6);
    EXPECT_EQ(index[5].dataPosition, xom.EntryTag(2) + 4);
    EXPECT_THAT(SlotData(opened, 1), ElementsAre(0x01, 0x00, 0x00, 0x01, 0xAA));
}

TEST(OpenCommand, CaptionShowsTheNameAfterTheLastFolderSeparator) {
    struct Case {
        const char* path;
        const char* caption;
    };
    for (const Case& c : std::vector<Case>{
             {"C:\\games\\data\\Bundle.xom", "Brindle v1.5 by Tolvanek - [Bundle.xom]"},
             {"C:\\x\\y.xom", "Brindle v1.5 by Tolvanek - [y.xom]"},
             {"/home/modder/levels/Island.xom", "Brindle v1.5 by Tolvanek - [Island.xom]"},
             {"a\\b/c.xom", "Brindle v1.5 by Tolvanek - [c.xom]"},
             {"a/b\\c.xom", "Brindle v1.5 by Tolvanek - [c.xom]"},
             {"plain.xom", "Brindle v1.5 by Tolvanek - [plain.xom]"},
         }) {
        EXPECT_EQ(OpenedCaption(c.path), c.caption) << c.path;
    }
}

TEST(OpenCommand, CancelledDialogChangesNothing) {
    OpenedContainer opened(
        XomBuilder().Strings({"", "s"}).Type("A", 1).Entry(GenericEntry(1)).Build());
    const std::string caption = opened.window.Caption();
    const std::string main = opened.Main();
    const size_t slots = opened.state.EntryIndex.size();

    opened.window.AnswerNextDialog(std::nullopt);
    Button1Click(opened.state, opened.window);

    EXPECT_EQ(opened.window.Caption(), caption);
    EXPECT_EQ(opened.Main(), main);
    EXPECT_EQ(opened.window.Tree().NodeCount(), 2);
    EXPECT_EQ(opened.window.GridRowCount(), 2);
    EXPECT_EQ(opened.state.EntryIndex.size(), slots);
    EXPECT_FALSE(opened.state.EntryIndex[1].Empty());
}

TEST(OpenCommand, UnreadableFileNamesPathAndReasonAndKeepsTheOpenedOne) {
    OpenedContainer opened(
        XomBuilder().Strings({"", "s"}).Type("A", 1).Entry(GenericEntry(1)).Build());
    opened.window.SaveImageSetEnabled(true);
    const std::string caption = opened.window.Caption();
    const size_t bufferSize = opened.state.FileBuffer.size();

    struct Case {
        std::string path;
        const char* reason;
    };
    for (const Case& c : std::vector<Case>{
             {(opened.dir / "missing.xom").string(), "No such file or directory"},
             {opened.dir.Path().string(), "Is a directory"},
         }) {
        std::optional<std::string> error = opened.Open(c.path);
        ASSERT_TRUE(error) << c.path;
        EXPECT_THAT(*error, HasSubstr("\"" + c.path + "\""));
        EXPECT_THAT(*error, HasSubstr(c.reason));

        EXPECT_EQ(opened.window.Caption(), caption);
        EXPECT_TRUE(opened.window.SaveImageEnabled());
        EXPECT_EQ(opened.window.Tree().NodeCount(), 2);
        EXPECT_EQ(opened.window.GridRowCount(), 2);
        EXPECT_EQ(opened.state.FileBuffer.size(), bufferSize);
        EXPECT_FALSE(opened.state.EntryIndex[1].Empty());
    }
}

TEST(OpenCommand, GraphSetOwnsExactlyOneEntry) {
    XomBuilder xom;
    xom.Strings({"", "g", "n"}).Type("XGraphSet", 5).Type("Next", 1);
    xom.Entry(GenericEntry(1)).Entry(GenericEntry(2)).Entry(GenericEntry(2));
    OpenedContainer opened(xom.Build());
    EXPECT_THAT(TreeLines(opened.window),
                ElementsAre("XGraphSet(1)", "  0x1 (g)", "Next(1)", "  0x2 (n)"));
}

TEST(OpenCommand, FirstIndexLooksUpTheGridWithOutOfRangeAsOut) {
    struct Case {
        std::vector<std::string> strings;
        uint32_t index;
        const char* label;
    };
    std::vector<std::string> many(300, "s");
    many[0] = "";
    for (const Case& c : std::vector<Case>{
             {{"", "a", "b"}, 0, "0x0 (Value)"},
             {{"", "a", "b"}, 2, "0x2 (b)"},
             {{"", "a", "b"}, 3, "0x3 ([OUT])"},
             {many, 299, "0x12B (s)"},
             {many, 500, "0x1F4 ([OUT])"},
             // No string listed: row 1 is the empty row, row 2 is past it.
             {{}, 1, "0x1 ()"},
             {{}, 2, "0x2 ([OUT])"},
             {{""}, 1, "0x1 ()"},
         }) {
        OpenedContainer opened(
            XomBuilder().Strings(c.strings).Type("T", 1).Entry(GenericEntry(c.index)).Build());
        ASSERT_EQ(opened.window.Tree().ChildCount(0), 1);
        EXPECT_EQ(opened.window.NodeText(NodeRef{0, 0}), c.label);
    }
}

TEST(OpenCommand, NoStringsShowsTheTitleAndOneEmptyRow) {
    OpenedContainer opened(XomBuilder().Type("T", 1).Entry(GenericEntry(0)).Build());
    EXPECT_EQ(opened.Info(), "Strings: (0) - (0)");
    EXPECT_THAT(GridLines(opened.window), ElementsAre("Key=Value", "="));
}

TEST(OpenCommand, OnlyTheLastRecordOfANameCountsForImages) {
    XomBuilder xom;
    xom.Strings({"", "x"}).Type("XImage", 1).Type("XImage", 1);
    xom.Entry(GenericEntry(1)).Entry(GenericEntry(1)).Raw({0});
    OpenedContainer opened(xom.Build());
    EXPECT_EQ(opened.state.EntryIndex[1].isImage, 0);
    EXPECT_EQ(opened.state.EntryIndex[3].isImage, 1);
}

TEST(OpenCommand, FileLastEntryRunsExactlyToTheFileEnd) {
    XomBuilder xom;
    xom.Strings({"", "a"}).Type("T", 3);
    xom.Entry(GenericEntry(1, {1, 2}))
        .Entry(GenericEntry(1, {3}))
        .Entry(GenericEntry(1, {4, 5, 6}));
    Bytes file = xom.Build();
    OpenedContainer opened(file);

    const int64_t lastTag = static_cast<int64_t>(xom.EntryTag(2));
    EXPECT_EQ(opened.state.EntryIndex[3].size, static_cast<int64_t>(file.size()) - lastTag);
    EXPECT_THAT(SlotData(opened, 3), ElementsAre(0x01, 0x00, 0x00, 0x01, 4, 5, 6));
    // Progress shows the entry before the last; the last gets no repaint.
    EXPECT_EQ(opened.Main(), "2");
    EXPECT_EQ(opened.window.Repaints(), 2);
}

TEST(OpenCommand, ShortLastEntryStillGetsTheSmallestSlot) {
    XomBuilder xom;
    xom.Type("T", 2).Entry({}).Entry({});
    Bytes file = xom.Build();
    OpenedContainer opened(file);
    EXPECT_EQ(opened.state.EntryIndex[1].size, 4);
    EXPECT_EQ(opened.state.EntryIndex[2].size, 4);
    EXPECT_EQ(opened.state.EntryIndex[2].DataLength(), 0);
}

TEST(OpenCommand, EntriesBeyondTheFileLeaveLaterTypesEmpty) {
    XomBuilder xom;
    xom.Strings({"", "a"}).Type("A", 3).Type("B", 2).Entry(GenericEntry(1)).Entry(GenericEntry(1));
    OpenedContainer opened(xom.Build());
    EXPECT_THAT(TreeLines(opened.window), ElementsAre("A(3)", "  0x1 (a)", "  0x1 (a)", "B(2)"));
    EXPECT_TRUE(opened.state.EntryIndex[3].Empty());
}

TEST(OpenCommand, EntriesBeyondTheDeclaredCountsAreIgnored) {
    XomBuilder xom;
    xom.Strings({"", "a"}).Type("A", 1);
    xom.Entry(GenericEntry(1, {9, 9})).Entry(GenericEntry(1)).Entry(GenericEntry(1));
    OpenedContainer opened(xom.Build());
    EXPECT_EQ(opened.window.Tree().NodeCount(), 2);
    // The walked entry still ends at the next tag.
    EXPECT_EQ(opened.state.EntryIndex[1].size, 4 + 6);
    EXPECT_EQ(opened.Main(), "1");
}

TEST(OpenCommand, TagBytesInsideDataEndTheEntryThere) {
    XomBuilder xom;
    xom.Strings({"", "a"}).Type("A", 3);
    xom.Entry(GenericEntry(1, {'x', 'C', 'T', 'N', 'R', 0x05, 'y'})).Entry(GenericEntry(1));
    OpenedContainer opened(xom.Build());
    // The "CTNR" inside the first entry's data starts a second entry; its
    // first index, 7 bytes on, is the "T" of the real next tag.
    EXPECT_EQ(opened.state.EntryIndex[1].size, 4 + 5);
    EXPECT_EQ(opened.state.EntryIndex[2].size, 4 + 2);
    EXPECT_EQ(opened.window.NodeText(NodeRef{0, 1}), "0x54 ([OUT])");
    EXPECT_EQ(opened.window.Tree().ChildCount(0), 3);
}

TEST(OpenCommand, SecondOpenLeavesNothingOfTheFirstInTheIndex) {
    XomBuilder first;
    first.Strings({"", "a"}).Type("XImage", 3);
    for (int i = 0; i < 3; ++i)
        first.Entry(GenericEntry(1, {1, 2, 3}));
    OpenedContainer opened(first.Build());
    ASSERT_EQ(opened.state.EntryIndex[3].isImage, 1);

    ASSERT_FALSE(opened.Open(XomBuilder().Type("Other", 1).Entry(GenericEntry(0)).Build()));
    for (size_t k = 0; k < 10; ++k) {
        if (k == 1)
            continue;
        EXPECT_TRUE(opened.state.EntryIndex[k].Empty()) << k;
        EXPECT_EQ(opened.state.EntryIndex[k].isImage, 0) << k;
    }
    EXPECT_THAT(TreeLines(opened.window), ElementsAre("Other(1)", "  0x0 (Value)"));
}

TEST(OpenCommand, OpenLeavesThePictureViewAndDisablesSaveImage) {
    OpenedContainer opened;
    opened.window.TextSetVisible(false);
    opened.window.SaveImageSetEnabled(true);
    opened.state.SelectedImage = 77;
    opened.state.ImageBits = 24;
    opened.state.PixelData = 90;
    ASSERT_FALSE(opened.Open(XomBuilder().Type("T", 1).Entry(GenericEntry(0)).Build()));

    EXPECT_FALSE(opened.window.TextVisible());
    EXPECT_FALSE(opened.window.SaveImageEnabled());
    EXPECT_EQ(opened.state.SelectedImage, 77u);
    EXPECT_EQ(opened.state.ImageBits, 24);
    EXPECT_FALSE(opened.state.PixelData);
}

TEST(OpenCommand, TextViewGetsThisOpensDetailTextWhateverEndsTheWalk) {
    struct Case {
        const char* name;
        XomBuilder xom;
        int lines;
    };
    XomBuilder noDetails;
    noDetails.Type("A", 1).Type("B", 1).Entry(GenericEntry(0)).Entry(GenericEntry(0));
    XomBuilder lastEntryInDetailType;
    lastEntryInDetailType.Strings({"", "n"}).Type("A", 1).Type("XIntResourceDetails", 2);
    lastEntryInDetailType.Entry(GenericEntry(0))
        .Entry(fixture::IntEntry(5, 1))
        .Entry(fixture::IntEntry(6, 1));
    XomBuilder allInFirstType;
    allInFirstType.Strings({"", "n"}).Type("XIntResourceDetails", 1).Entry(fixture::IntEntry(5, 1));

    for (Case& c : std::vector<Case>{{"no detail types", noDetails, 0},
                                     {"last entry in a detail type", lastEntryInDetailType, 2},
                                     {"all entries in the first type", allInFirstType, 1}}) {
        OpenedContainer opened;
        opened.window.TextSet("text of an earlier file\r\n");
        ASSERT_FALSE(opened.Open(c.xom.Build())) << c.name;
        const std::string& text = opened.window.Text();
        int crlf = 0;
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
            ++crlf;
        EXPECT_EQ(crlf, c.lines) << c.name;
        EXPECT_EQ(text.find("earlier"), std::string::npos) << c.name;
    }
}

TEST(OpenCommand, EveryNodeGetsItsSlotPastTenThousand) {
    XomBuilder xom;
    xom.Strings({"", "e"}).Type("Many", 12000).Type("After", 1);
    for (int i = 0; i < 12000; ++i)
        xom.Entry(GenericEntry(1));
    xom.Entry(GenericEntry(1, {7, 7, 7}));
    OpenedContainer opened(xom.Build());
    ASSERT_GE(opened.state.EntryIndex.size(), 12003u);
    EXPECT_EQ(opened.state.EntryIndex[12000].size, 8);
    EXPECT_EQ(opened.state.EntryIndex[12000].dataPosition, xom.EntryTag(11999) + 4);
    EXPECT_THAT(SlotData(opened, 12002), ElementsAre(0x01, 0x00, 0x00, 0x01, 7, 7, 7));
}

TEST(OpenCommand, DeclaredCountsDoNotSizeTheIndexBeyondTheFile) {
    XomBuilder xom;
    for (int i = 0; i < 300; ++i)
        xom.Type("T" + std::to_string(i), 65535);
    xom.Entry(GenericEntry(0));
    OpenedContainer opened(xom.Build());
    EXPECT_LE(opened.state.EntryIndex.size(), 20000u);
    EXPECT_EQ(opened.window.Tree().NodeCount(), 301);
}

} // namespace
} // namespace brindle
