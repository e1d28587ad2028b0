#include "cli/commands.h"
#include "tests/cli/run_cli.h"

#include "tests/fixture/sample_container.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace brindle::cli {
namespace {

using fixture::XomBuilder;

using Result = CliResult;

class ListCommands : public ::testing::Test {
protected:
    std::string Write(const fixture::Bytes& bytes) {
        std::string path = (dir_ / "c.xom").string();
        fixture::WriteFile(path, bytes);
        return path;
    }
    fixture::TempDir dir_;
};

TEST_F(ListCommands, TreePrintsEveryNodeWithItsAbsoluteIndex) {
    XomBuilder xom;
    xom.Strings({"", "mesh01"}).Type("A", 2).Type("B", 0).Type("C", 1);
    xom.Entry(fixture::GenericEntry(1))
        .Entry(fixture::GenericEntry(0))
        .Entry(fixture::GenericEntry(9));
    Result r = RunCli({"tree", Write(xom.Build())});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "0\tA(2)\n1\t  0x1 (mesh01)\n2\t  0x0 (Value)\n3\tB(0)\n4\tC(1)\n5\t  0x9 ([OUT])\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(ListCommands, StringsPrintListedRowsAsUtf8) {
    XomBuilder xom;
    xom.Strings({"zero", "caf\xE9", "\x80\x81\x8D\x8F\x90\x9D"}).Type("A", 0);
    Result r = RunCli({"strings", Write(xom.Build())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "01\tcaf\xC3\xA9\n"
                     "02\t\xE2\x82\xAC\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\n");
}

TEST_F(ListCommands, StringsPrintNothingWithoutListedStrings) {
    for (std::vector<std::string> strings : {std::vector<std::string>{}, {"only string 0"}}) {
        Result r = RunCli({"strings", Write(XomBuilder().Strings(strings).Type("A", 0).Build())});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(ListCommands, StatusPrintsCaptionAndBothPanels) {
    XomBuilder xom;
    xom.Strings({"", "a"}).Type("A", 3);
    for (int i = 0; i < 3; ++i)
        xom.Entry(fixture::GenericEntry(1));
    Result r = RunCli({"status", Write(xom.Build())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Brindle v1.5 by Tolvanek - [c.xom]\n2\nStrings: (2) - (3)\n");
}

TEST_F(ListCommands, DetailsEndEachLineWithLineFeed) {
    XomBuilder xom;
    xom.Strings({"", "n"}).Type("XIntResourceDetails", 2).Type("Z", 1);
    xom.Entry(fixture::IntEntry(1, 1))
        .Entry(fixture::IntEntry(2, 1))
        .Entry(fixture::GenericEntry(0));
    Result r = RunCli({"details", Write(xom.Build())});
    EXPECT_EQ(r.status, 0);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
}

TEST_F(ListCommands, UnreadableFileStillPrintsThenReportsTheBoxText) {
    std::string missing = (dir_ / "missing.xom").string();
    Result r = RunCli({"status", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Brindle for Worms3D v1.5 by Tolvanek\n\n\n");
    EXPECT_EQ(r.err, "Cannot open file \"" + missing + "\". No such file or directory.\n");
}

TEST_F(ListCommands, UsageErrorsExitWithTwo) {
    for (std::vector<std::string> words : std::vector<std::vector<std::string>>{
             {}, {"nonsense", "x.xom"}, {"tree"}, {"tree", "a.xom", "b.xom"}}) {
        Result r = RunCli(words);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(words);
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.out, "");
    }
}

TEST(Sample, CommittedContainerIsWhatTheBuilderMakes) {
    EXPECT_EQ(fixture::ReadFile(BRINDLE_SOURCE_DIR "/samples/sample.xom"),
              fixture::SampleContainer())
        << "regenerate it with brindle-make-sample samples/sample.xom";
}

} // namespace
} // namespace brindle::cli
