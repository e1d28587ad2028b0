#include "cli/commands.h"
#include "tests/cli/run_cli.h"

#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace brindle::cli {
namespace {

namespace fs = std::filesystem;
using fixture::Bytes;
using fixture::ImageSpec;
using fixture::XomBuilder;

using Result = CliResult;

ImageSpec Image(uint16_t width, uint16_t height, uint8_t format, uint32_t name) {
    ImageSpec imageSpec;
    imageSpec.width = width;
    imageSpec.height = height;
    imageSpec.format = format;
    imageSpec.firstIndex = name;
    const int bpp = format == 2 || format == 4 ? 4 : 3;
    imageSpec.pixels = fixture::PatternPixels(width, height, bpp);
    return imageSpec;
}

// Two records named "XImage" (only the last one's entries are pictures),
// type names that are no plain folder names, and pictures whose default
// names collide.
//
//   0 Mesh(2)     1 0x6 (mesh01)   2 0x4 (cafe)
//   3 XImage(1)   4 0x1 (logo.tga)
//   5 a/b(1)      6 0x5 (a/b)
//   7 ..(0)   8 (0)   9 cafe(0)
//  10 XImage(4)  11 0x1 (logo.tga) 32-bit 2x2   12 0x2 (logo.TGA) 24-bit 3x1
//                13 0x3 (logo) 32-bit 1x1       14 0x1 (logo.tga) refused, 513 wide
class ExportCommands : public ::testing::Test {
protected:
    ExportCommands() {
        xom_.Strings({"", "logo.tga", "logo.TGA", "logo", "caf\xE9", "a/b", "mesh01"})
            .Type("Mesh", 2)
            .Type("XImage", 1)
            .Type("a/b", 1)
            .Type("..", 0)
            .Type("", 0)
            .Type("caf\xE9", 0)
            .Type("XImage", 4);
        xom_.Entry(fixture::GenericEntry(6, {1, 2, 3}))
            .Entry(fixture::GenericEntry(4))
            .Entry(fixture::GenericEntry(1, {9, 9}))
            .Entry(fixture::GenericEntry(5))
            .Entry(fixture::ImageEntry(Image(2, 2, 4, 1)))
            .Entry(fixture::ImageEntry(Image(3, 1, 0, 2)))
            .Entry(fixture::ImageEntry(Image(1, 1, 2, 3)))
            .Entry(fixture::ImageEntry(Image(513, 1, 4, 1)));
        file_ = xom_.Build();
        xomPath_ = Path("c.xom");
        fixture::WriteFile(xomPath_, file_);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // Entry k's data bytes as they lie in the file.
    Bytes DataOf(size_t k) const {
        size_t end = k + 1 < 8 ? xom_.EntryTag(k + 1) : file_.size();
        return Bytes(file_.begin() + xom_.EntryTag(k) + 4, file_.begin() + end);
    }

    fixture::TempDir dir_;
    XomBuilder xom_;
    Bytes file_;
    std::string xomPath_;
};

TEST_F(ExportCommands, SaveBinWritesTheEntrysDataBytes) {
    Result r = RunCli({"save-bin", xomPath_, "1", Path("mesh.bin")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(fixture::ReadFile(Path("mesh.bin")), DataOf(0));

    // The image record is saved raw, the file's last entry up to its end.
    r = RunCli({"save-bin", xomPath_, "14", Path("last.bin")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fixture::ReadFile(Path("last.bin")), DataOf(7));
}

TEST_F(ExportCommands, SaveBinOnATypeNodeWritesNothing) {
    Result r = RunCli({"save-bin", xomPath_, "10", Path("type.bin")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_FALSE(fs::exists(Path("type.bin")));
}

TEST_F(ExportCommands, SaveCommandsRefuseBadArguments) {
    for (const char* command : {"save-bin", "save-tga"}) {
        SCOPED_TRACE(command);
        for (std::vector<std::string> args : {
                 std::vector<std::string>{command, xomPath_, "15", Path("x")},
                 {command, xomPath_, "-1", Path("x")},
                 {command, xomPath_, "1x", Path("x")},
                 {command, xomPath_, "1"},
                 {command, xomPath_, "1", Path("x"), "extra"},
             }) {
            Result r = RunCli(args);
            EXPECT_EQ(r.status, 2);
            EXPECT_NE(r.err, "");
            EXPECT_EQ(r.out, "");
        }
        EXPECT_FALSE(fs::exists(Path("x")));
    }
    Result r = RunCli({"save-bin", xomPath_, "15", Path("x")});
    EXPECT_EQ(r.err, "save-bin: the tree has no node 15\n");
}

TEST_F(ExportCommands, SaveErrorsGoToStderrWithStatusOne) {
    const std::string missing = Path("no folder/x");
    Result r = RunCli({"save-bin", xomPath_, "1", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot create file " + missing + ".\n");

    r = RunCli({"save-tga", xomPath_, "11", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot create file " + missing + ".\n");

    // A container that cannot be read: the open's error is the reason given.
    r = RunCli({"save-bin", Path("absent.xom"), "1", Path("x")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("absent.xom"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(Path("x")));
}

// The walk stops at the string entry whose value index lies past the table;
// what it listed before stays usable, and the error is still reported.
TEST_F(ExportCommands, CommandsWorkOnWhatAnOpenListedBeforeItsError) {
    XomBuilder xom;
    xom.Strings({"", "Alpha", "Beta"})
        .Type("Mesh", 1)
        .Type("XStringResourceDetails", 2)
        .Type("After", 1)
        .Entry(fixture::GenericEntry(1, {5, 6}))
        .Entry(fixture::StringEntry(5, 1))
        .Entry(fixture::GenericEntry(2));
    fixture::WriteFile(Path("broken.xom"), xom.Build());
    Result open = RunCli({"tree", Path("broken.xom")});
    ASSERT_EQ(open.status, 1);
    ASSERT_NE(open.err, "");

    Result r = RunCli({"save-bin", Path("broken.xom"), "1", Path("mesh.bin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, open.err);
    EXPECT_EQ(fixture::ReadFile(Path("mesh.bin")), (Bytes{1, 0, 0, 1, 5, 6}));

    r = RunCli({"extract", Path("broken.xom"), Path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, open.err);
    EXPECT_EQ(r.out, Path("out") + "/Mesh/Alpha_(0).bin\n1 file written\n");
}

TEST_F(ExportCommands, SaveTgaWritesThePreviewedPictureUnblended) {
    Result r = RunCli({"save-tga", xomPath_, "11", Path("logo.tga")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    Bytes tga = fixture::ReadFile(Path("logo.tga"));
    ImageSpec imageSpec = Image(2, 2, 4, 1);
    ASSERT_EQ(tga.size(), 18u + 16u);
    EXPECT_EQ(tga[2], 2);
    EXPECT_EQ(tga[16], 32);
    for (size_t i = 0; i < imageSpec.pixels.size(); i += 4) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tga[18 + i], imageSpec.pixels[i + 2]);
        EXPECT_EQ(tga[18 + i + 1], imageSpec.pixels[i + 1]);
        EXPECT_EQ(tga[18 + i + 2], imageSpec.pixels[i]);
        EXPECT_EQ(tga[18 + i + 3], imageSpec.pixels[i + 3]);
    }
}

TEST_F(ExportCommands, SaveTgaRefusesNodesThatShowNoPicture) {
    // A plain entry, an entry of the first "XImage" record (not a picture
    // type), a refused record and a type node before any preview.
    for (const char* node : {"1", "4", "14", "10"}) {
        SCOPED_TRACE(node);
        Result r = RunCli({"save-tga", xomPath_, node, Path("none.tga")});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err,
                  std::string("save-tga: node ") + node + " shows no picture, nothing saved\n");
        EXPECT_FALSE(fs::exists(Path("none.tga")));
    }
}

TEST_F(ExportCommands, ExtractWritesEveryEntryAndPictureIntoTypeFolders) {
    const std::string out = Path("out");
    // An existing folder is used and its files replaced.
    fs::create_directories(dir_ / "out" / "Mesh");
    fixture::WriteFile(dir_ / "out" / "Mesh" / "mesh01_(0).bin", Bytes(300, 0xEE));

    Result r = RunCli({"extract", xomPath_, out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string cafe = "caf\xC3\xA9";
    EXPECT_EQ(r.out,
              out + "/Mesh/mesh01_(0).bin\n" +                                                  //
                  out + "/Mesh/" + cafe + "_(1).bin\n" +                                        //
                  out + "/XImage/logo.tga_(0).bin\n" +                                          //
                  out + "/a_b/a_b_(0).bin\n" +                                                  //
                  out + "/XImage (2)/logo.tga_(0).bin\n" + out + "/XImage (2)/logo.tga\n" +     //
                  out + "/XImage (2)/logo.TGA_(1).bin\n" + out + "/XImage (2)/logo (2).tga\n" + //
                  out + "/XImage (2)/logo_(2).bin\n" + out + "/XImage (2)/logo (3).tga\n" +     //
                  out + "/XImage (2)/logo.tga_(3).bin\n" + "11 files written\n");

    // One folder per type record, including the empty ones.
    std::vector<std::string> folders;
    for (const fs::directory_entry& entry : fs::directory_iterator(out))
        folders.push_back(entry.path().filename().string());
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders,
              (std::vector<std::string>{"Mesh", "XImage", "XImage (2)", "_", "_..", "a_b", cafe}));

    const fs::path images = fs::path(out) / "XImage (2)";
    EXPECT_EQ(fixture::ReadFile(fs::path(out) / "Mesh" / "mesh01_(0).bin"), DataOf(0));
    EXPECT_EQ(fixture::ReadFile(fs::path(out) / "Mesh" / (cafe + "_(1).bin")), DataOf(1));
    const std::pair<size_t, const char*> data[] = {{4, "logo.tga_(0).bin"},
                                                   {5, "logo.TGA_(1).bin"},
                                                   {6, "logo_(2).bin"},
                                                   {7, "logo.tga_(3).bin"}};
    for (const auto& [entry, name] : data)
        EXPECT_EQ(fixture::ReadFile(images / name), DataOf(entry)) << name;

    // Each picture is what "Save image as *.tga" writes for its node.
    const std::pair<const char*, const char*> pictures[] = {
        {"11", "logo.tga"}, {"12", "logo (2).tga"}, {"13", "logo (3).tga"}};
    for (const auto& [node, name] : pictures) {
        SCOPED_TRACE(name);
        Result saved = RunCli({"save-tga", xomPath_, node, Path("ref.tga")});
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(fixture::ReadFile(images / name), fixture::ReadFile(Path("ref.tga")));
    }
}

TEST_F(ExportCommands, ExtractReportsAFileItCannotWriteAndGoesOn) {
    const std::string out = Path("out");
    // A folder stands where the second picture should go.
    fs::create_directories(dir_ / "out" / "XImage (2)" / "logo (2).tga");
    Result r = RunCli({"extract", xomPath_, out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot create file " + out + "/XImage (2)/logo (2).tga.\n");
    EXPECT_EQ(r.out.find("logo (2).tga"), std::string::npos);
    EXPECT_NE(r.out.find(out + "/XImage (2)/logo (3).tga\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n10 files written, 1 error\n"), std::string::npos) << r.out;
}

TEST_F(ExportCommands, ExtractReportsAFolderItCannotMake) {
    fixture::WriteFile(Path("plain"), Bytes{1});
    const std::string out = Path("plain") + "/out";
    Result r = RunCli({"extract", xomPath_, out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot create folder " + out + ".\n");
    EXPECT_EQ(r.out, "0 files written, 1 error\n");
}

TEST_F(ExportCommands, ExtractNeedsAContainerAndAFolder) {
    Result r = RunCli({"extract", xomPath_});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    r = RunCli({"extract", Path("absent.xom"), Path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("absent.xom"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("out")));
}

} // namespace
} // namespace brindle::cli
