#include "cli/commands.h"
#include "tests/cli/run_cli.h"

#include "inspect/hex_dump.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace brindle::cli {
namespace {

using fixture::Bytes;
using fixture::XomBuilder;

using Result = CliResult;

// Node 0 "XImage(2)": 1 a 12 x 10 picture whose pixels are all clear, 2 a
// record of an unknown type. Node 3 "XInfo(2)": 4 an entry with a name
// from the string table in Windows-1252, 5 an entry of ten data bytes.
class InspectCommands : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ImageSpec clear{12, 10, 0, 4, 1, 1, Bytes(12 * 10 * 4, 0)};
        XomBuilder xom;
        xom.Strings({"", "pic", "caf\xE9"})
            .Type("XImage", 2)
            .Type("XInfo", 2)
            .Entry(fixture::ImageEntry(clear))
            .Entry(fixture::ImageEntry({2, 2, 10, 4, 1, 1, Bytes(16, 0)}))
            .Entry(fixture::GenericEntry(2, {0xAB}))
            .Entry({1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A});
        file_ = Write("c.xom", xom.Build());
    }
    std::string Write(const std::string& name, const Bytes& bytes) {
        std::string path = (dir_ / name).string();
        fixture::WriteFile(path, bytes);
        return path;
    }
    fixture::TempDir dir_;
    std::string file_;
};

TEST_F(InspectCommands, ShowPrintsThePicturePlacement) {
    Result r = RunCli({"show", file_, "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0x1 (pic)\n12x10x32bit type:0\npicture 94 83 12 10\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(InspectCommands, ShowPrintsTheHexDumpAsLines) {
    Result r = RunCli({"show", file_, "5"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0x4 ([OUT]) 5(1)\nStrings: (3) - (10)\n"
                     "01  02  03  04  05  06  07  08\n09  0A  \n");
}

TEST_F(InspectCommands, ShowWithoutPreviewDumpsTheImageEntry) {
    Result r = RunCli({"show", file_, "1", "--no-preview"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n', r.out.find('\n') + 1) + 1),
              "0x1 (pic) 1(0)\nStrings: (3) - (10)\n");
    EXPECT_EQ(r.out.substr(r.out.find("01  00  00  01")).substr(0, 31),
              "01  00  00  01  0C  00  0A  00\n");
    EXPECT_EQ(r.out.find("picture"), std::string::npos);
}

TEST_F(InspectCommands, ShowOfRefusedRecordPrintsItsDump) {
    Result r = RunCli({"show", file_, "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "0x1 (pic) 2(1)");
    EXPECT_NE(r.out.find("01  00  00  01  02  00  02  00\n0A  00  04"), std::string::npos);
}

TEST_F(InspectCommands, ShowPrintsContainerTextsAsUtf8) {
    Result r = RunCli({"show", file_, "4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0x2 (caf\xC3\xA9) 4(0)\nStrings: (3) - (10)\n01  00  00  02  AB  \n");
}

TEST_F(InspectCommands, ShowOfTypeNodeKeepsTheOpenDetailText) {
    XomBuilder xom;
    xom.Strings({"", "n"}).Type("XIntResourceDetails", 2).Type("Z", 1);
    xom.Entry(fixture::IntEntry(7, 1)).Entry(fixture::IntEntry(8, 1)).Entry({});
    std::string path = Write("d.xom", xom.Build());
    Result details = RunCli({"details", path});
    ASSERT_EQ(details.status, 0) << details.err;

    for (std::string n : {"0", "3"}) {
        Result r = RunCli({"show", path, n});
        EXPECT_EQ(r.status, 0) << r.err;
        std::string status = (n == "0" ? "XIntResourceDetails(2) 0(0)" : "Z(1) 3(1)");
        EXPECT_EQ(r.out, status + "\nStrings: (2) - (3)\n" + details.out);
    }
}

TEST_F(InspectCommands, NodeThatDoesNotExistExitsWithTwo) {
    for (std::string n : {"6", "-1", "99999999999"}) {
        Result r = RunCli({"show", file_, n});
        EXPECT_EQ(r.status, 2) << n;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("has no node"), std::string::npos);
    }
}

TEST_F(InspectCommands, UsageErrorsExitWithTwo) {
    for (std::vector<std::string> words : std::vector<std::vector<std::string>>{
             {"show", file_},
             {"show", file_, "x1"},
             {"show", file_, "1", "2"},
             {"picture", file_, "1"},
             {"picture", file_, "one", (dir_ / "o.tga").string()}}) {
        Result r = RunCli(words);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(words);
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(InspectCommands, FailedOpenIsReportedWithStatusOne) {
    std::string missing = (dir_ / "missing.xom").string();
    for (std::string command : {"show", "picture"}) {
        std::vector<std::string> words = {command, missing, "0"};
        if (command == "picture")
            words.push_back((dir_ / "p.tga").string());
        Result r = RunCli(words);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Cannot open file \"" + missing + "\". No such file or directory."),
                  std::string::npos)
            << r.err;
    }
}

TEST_F(InspectCommands, ShowPrintsFirstThenTheOpenError) {
    // A vector entry naming a string past the table ends the open after the
    // picture's node was added.
    XomBuilder xom;
    xom.Strings({"", "pic"})
        .Type("XImage", 1)
        .Type("XVectorResourceDetails", 1)
        .Entry(fixture::ImageEntry({2, 2, 0, 0, 1, 1, Bytes(12, 9)}))
        .Entry(fixture::VectorEntry(1, 2, 3, 50));
    Result r = RunCli({"show", Write("e.xom", xom.Build()), "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "0x1 (pic)\n2x2x24bit type:0\npicture 99 87 2 2\n");
    EXPECT_EQ(r.err, "List index out of bounds (49)\n");
}

TEST_F(InspectCommands, PictureWritesTheBlendedViewAsTga) {
    std::string out = (dir_ / "p.tga").string();
    Result r = RunCli({"picture", file_, "1", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");

    Bytes tga = fixture::ReadFile(out);
    ASSERT_EQ(tga.size(), 18u + 12 * 10 * 4);
    EXPECT_EQ(tga[2], 2);
    EXPECT_EQ(tga[12] | tga[13] << 8, 12);
    EXPECT_EQ(tga[14] | tga[15] << 8, 10);
    EXPECT_EQ(tga[16], 32);
    // Rows from the bottom up: the file's first row is source row 0, light
    // then dark; the second square row starts dark.
    auto pixel = [&](int x, int fileRow) {
        const uint8_t* p = &tga[18 + (size_t(fileRow) * 12 + x) * 4];
        return Bytes{p[0], p[1], p[2], p[3]};
    };
    EXPECT_EQ(pixel(0, 0), (Bytes{255, 255, 255, 0}));
    EXPECT_EQ(pixel(8, 0), (Bytes{192, 192, 192, 0}));
    EXPECT_EQ(pixel(0, 8), (Bytes{192, 192, 192, 0}));
    EXPECT_EQ(pixel(11, 9), (Bytes{255, 255, 255, 0}));
}

TEST_F(InspectCommands, PictureOfEntryWithoutPictureWritesNothing) {
    for (std::string n : {"2", "5", "0"}) {
        std::string out = (dir_ / ("n" + n + ".tga")).string();
        Result r = RunCli({"picture", file_, n, out});
        EXPECT_EQ(r.status, 1) << n;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(std::filesystem::exists(out)) << n;
    }
}

TEST_F(InspectCommands, PictureThatCannotBeWrittenExitsWithOne) {
    std::string out = (dir_ / "no-such-folder" / "p.tga").string();
    Result r = RunCli({"picture", file_, "1", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot create file"), std::string::npos) << r.err;
}

} // namespace
} // namespace brindle::cli
