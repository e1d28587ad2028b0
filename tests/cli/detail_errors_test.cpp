// tree, details and status print what an open made before a detail line's
// error, report the error as the message box shows it and exit with 1.
#include "cli/commands.h"
#include "tests/cli/run_cli.h"

#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace brindle::cli {
namespace {

using fixture::XomBuilder;

using Result = CliResult;

class CliDetailErrors : public ::testing::Test {
protected:
    Result Run(const std::string& command, const XomBuilder& xom) {
        std::string path = (dir_ / "c.xom").string();
        fixture::WriteFile(path, xom.Build());
        return RunCli({command, path});
    }
    fixture::TempDir dir_;
};

// The second string entry's value index 5 lies past rows 0 to 2.
XomBuilder ListError() {
    XomBuilder xom;
    xom.Strings({"", "Alpha", "Beta"})
        .Type("XColorResourceDetails", 1)
        .Type("XStringResourceDetails", 2)
        .Type("After", 1)
        .Entry(fixture::ColourEntry(1, 2, 3, 4, 1))
        .Entry(fixture::StringEntry(1, 1))
        .Entry(fixture::StringEntry(5, 1))
        .Entry(fixture::GenericEntry(1));
    return xom;
}

XomBuilder SignallingNan() {
    XomBuilder xom;
    xom.Strings({"", "Alpha", "Beta"})
        .Type("XIntResourceDetails", 1)
        .Type("XFloatResourceDetails", 1)
        .Type("After", 1)
        .Entry(fixture::IntEntry(7, 2))
        .Entry(fixture::FloatBitsEntry(0x7FA00000, 1))
        .Entry(fixture::GenericEntry(1));
    return xom;
}

TEST_F(CliDetailErrors, ListIndexErrorIsShownUnchanged) {
    Result tree = Run("tree", ListError());
    EXPECT_EQ(tree.status, 1);
    EXPECT_EQ(tree.out, "0\tXColorResourceDetails(1)\n"
                        "1\t  Alpha = <r:1 g:2 b:3 a:4>\n"
                        "2\tXStringResourceDetails(2)\n"
                        "3\t  Alpha = Alpha\n"
                        "4\tAfter(1)\n");
    EXPECT_EQ(tree.err, "List index out of bounds (4)\n");

    Result details = Run("details", ListError());
    EXPECT_EQ(details.status, 1);
    EXPECT_EQ(details.out, "Alpha = <r:1 g:2 b:3 a:4>\nAlpha = Alpha\n");
    EXPECT_EQ(details.err, "List index out of bounds (4)\n");

    Result status = Run("status", ListError());
    EXPECT_EQ(status.status, 1);
    EXPECT_EQ(status.out, "Brindle v1.5 by Tolvanek - [c.xom]\n3\nStrings: (3) - (12)\n");
    EXPECT_EQ(status.err, "List index out of bounds (4)\n");
}

TEST_F(CliDetailErrors, FloatingPointErrorGetsAFullStop) {
    for (const char* command : {"tree", "details", "status"}) {
        Result r = Run(command, SignallingNan());
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err, "Invalid floating point operation.\n") << command;
    }
    EXPECT_EQ(Run("details", SignallingNan()).out, "Beta = 7\n");
    EXPECT_EQ(Run("tree", SignallingNan()).out, "0\tXIntResourceDetails(1)\n"
                                                "1\t  Beta = 7\n"
                                                "2\tXFloatResourceDetails(1)\n"
                                                "3\tAfter(1)\n");
}

} // namespace
} // namespace brindle::cli
