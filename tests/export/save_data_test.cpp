#include "export/save_data.h"

#include "app/app_error.h"
#include "app/handler_guard.h"
#include "tests/fixture/opened_container.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace brindle {
namespace {

using fixture::Bytes;
using fixture::XomBuilder;

Bytes Counting(size_t count) {
    Bytes bytes;
    for (size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<uint8_t>(i * 3 + 1));
    return bytes;
}

// Type "A" with entries of 96, 0, 1 and 4 data bytes and a named fifth one,
// then an image entry that is the file's last and runs into a trailer.
XomBuilder SavingFixture() {
    XomBuilder xom;
    xom.Strings({"", "mesh01", "logo.tga"}).Type("A", 5).Type("XImage", 1);
    xom.Entry(fixture::GenericEntry(1, Counting(92)))
        .Entry({})
        .Entry({0x77})
        .Entry(fixture::GenericEntry(2))
        .Entry(fixture::GenericEntry(1, {0xAA, 0xBB}));
    fixture::ImageSpec image;
    image.width = 2;
    image.height = 2;
    image.firstIndex = 2;
    image.pixels = fixture::PatternPixels(2, 2, 4);
    xom.Entry(fixture::ImageEntry(image)).Raw({0xDE, 0xAD});
    return xom;
}

class SaveData : public ::testing::Test {
protected:
    SaveData() : xom_(SavingFixture()), file_(xom_.Build()), opened_(file_) {}

    // Selects the node, answers the dialog with path and clicks the button;
    // the error's message, if any.
    std::optional<std::string> Save(int64_t node, std::optional<std::string> path) {
        opened_.window.AnswerNextDialog(std::move(path));
        return Click(node);
    }
    // The same with no answer queued, where no dialog may show.
    std::optional<std::string> Click(int64_t node) {
        opened_.window.SelectNode(opened_.window.Tree().NodeAt(node));
        std::optional<std::string> error;
        RunGuarded([&] { Button2Click(opened_.state, opened_.window); },
                   [&](const std::string& message) { error = message; });
        return error;
    }
    std::string Out(const std::string& name) const { return (opened_.dir / name).string(); }
    // The data bytes of entry k as they lie in the file: everything after its
    // tag up to the next tag or the file's end.
    Bytes DataOf(size_t k) const {
        size_t begin = xom_.EntryTag(k) + 4;
        size_t end = k + 1 < 6 ? xom_.EntryTag(k + 1) : file_.size();
        return Bytes(file_.begin() + begin, file_.begin() + end);
    }
    size_t DialogsShown() const {
        size_t count = 0;
        for (const auto& shown : opened_.window.ShownDialogs())
            count += shown.dialog == FileDialog::SaveData ? 1 : 0;
        return count;
    }

    XomBuilder xom_;
    Bytes file_;
    fixture::OpenedContainer opened_;
};

TEST_F(SaveData, WritesExactlyTheEntrysDataBytes) {
    ASSERT_FALSE(opened_.error);
    struct Case {
        int64_t node;
        size_t entry;
        size_t bytes;
    };
    const Case cases[] = {
        {1, 0, 96}, // tag 100 bytes before the next tag
        {2, 1, 0},  // tag directly followed by the next tag
        {3, 2, 1},  // tag 5 bytes before the next tag
        {4, 3, 4},
        {5, 4, 6},
        {7, 5, file_.size() - xom_.EntryTag(5) - 4}, // the file's last entry, to its end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        const std::string path = Out("node" + std::to_string(c.node) + ".bin");
        EXPECT_EQ(Save(c.node, path), std::nullopt);
        Bytes saved = fixture::ReadFile(path);
        EXPECT_EQ(saved.size(), c.bytes);
        EXPECT_EQ(saved, DataOf(c.entry));
    }
    // The image entry is saved as its raw record, trailer included, never
    // with the zero byte that follows the file in memory.
    Bytes image = fixture::ReadFile(Out("node7.bin"));
    ASSERT_GE(image.size(), 2u);
    EXPECT_EQ(image[image.size() - 2], 0xDE);
    EXPECT_EQ(image.back(), 0xAD);
}

TEST_F(SaveData, ProposesTheNameFromTheLabelAndThePositionUnderItsType) {
    EXPECT_EQ(Save(5, std::nullopt), std::nullopt);
    EXPECT_EQ(Save(7, std::nullopt), std::nullopt);
    EXPECT_EQ(Save(4, std::nullopt), std::nullopt);
    const auto& shown = opened_.window.ShownDialogs();
    ASSERT_EQ(shown.size(), 4u); // the open's dialog first
    EXPECT_EQ(shown[1].dialog, FileDialog::SaveData);
    EXPECT_EQ(shown[1].proposedName, "mesh01_(4).bin");
    EXPECT_EQ(shown[2].proposedName, "logo.tga_(0).bin");
    EXPECT_EQ(shown[3].proposedName, "logo.tga_(3).bin");
}

TEST_F(SaveData, WritesNothingWithoutAnEntryOrAName) {
    const std::string path = Out("never.bin");
    // Type nodes: no dialog at all.
    EXPECT_EQ(Click(0), std::nullopt);
    EXPECT_EQ(Click(6), std::nullopt);
    EXPECT_EQ(DialogsShown(), 0u);
    // Nothing selected.
    opened_.window.SelectNode(std::nullopt);
    Button2Click(opened_.state, opened_.window);
    EXPECT_EQ(DialogsShown(), 0u);
    // Cancelled, or confirmed with an empty name.
    EXPECT_EQ(Save(1, std::nullopt), std::nullopt);
    EXPECT_EQ(Save(1, ""), std::nullopt);
    EXPECT_EQ(DialogsShown(), 2u);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SaveData, EntryNodeWithoutASlotAsksForNothing) {
    // A node the walk never recorded, as a window might hold after an open
    // that stopped early.
    NodeRef extra = opened_.window.TreeAddChild(NodeRef{1, -1}, "0x1 (late)");
    opened_.window.SelectNode(extra);
    opened_.state.EntryIndex.resize(7);
    Button2Click(opened_.state, opened_.window);
    opened_.state.EntryIndex.resize(9);
    Button2Click(opened_.state, opened_.window);
    EXPECT_EQ(DialogsShown(), 0u);
}

TEST_F(SaveData, BeforeAnyOpenDoesNothing) {
    fixture::OpenedContainer fresh;
    fresh.window.AnswerNextDialog(Out("never.bin"));
    Button2Click(fresh.state, fresh.window);
    EXPECT_TRUE(fresh.window.ShownDialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(Out("never.bin")));
}

TEST_F(SaveData, ReplacesAnExistingFileWithoutAQuestion) {
    const std::string path = Out("again.bin");
    fixture::WriteFile(path, Counting(500));
    EXPECT_EQ(Save(4, path), std::nullopt);
    EXPECT_EQ(fixture::ReadFile(path), DataOf(3));
    EXPECT_EQ(Save(2, path), std::nullopt);
    EXPECT_EQ(fixture::ReadFile(path), Bytes{});
}

TEST_F(SaveData, FileThatCannotBeCreatedIsReportedWithTheChosenName) {
    const std::string path = Out("no such folder/x.bin");
    std::optional<std::string> error = Save(1, path);
    ASSERT_TRUE(error);
    EXPECT_EQ(MessageBoxText(*error), "Cannot create file " + path + ".");
    EXPECT_FALSE(std::filesystem::exists(path));
    // The open file and the selection stay as they were.
    EXPECT_EQ(opened_.window.TreeSelected(), opened_.window.Tree().NodeAt(1));
    EXPECT_EQ(Save(1, Out("fine.bin")), std::nullopt);
    EXPECT_EQ(fixture::ReadFile(Out("fine.bin")), DataOf(0));
}

TEST_F(SaveData, ShortWriteIsReported) {
    if (std::FILE* probe = std::fopen("/dev/full", "wb"))
        std::fclose(probe);
    else
        GTEST_SKIP() << "/dev/full cannot be opened here";
    std::optional<std::string> error = Save(1, "/dev/full");
    ASSERT_TRUE(error);
    EXPECT_EQ(MessageBoxText(*error), "Stream write error.");
}

} // namespace
} // namespace brindle
