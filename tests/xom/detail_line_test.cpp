// Each detail kind's line as the walk makes it: the fields at their offsets
// from the entry's tag, with 1- and 2-byte indexes, and the three lookups.
#include "tests/fixture/opened_container.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brindle {
namespace {

using fixture::Bytes;
using fixture::ColourEntry;
using fixture::ContainerEntry;
using fixture::FloatBitsEntry;
using fixture::IntEntry;
using fixture::StringEntry;
using fixture::VectorEntry;

constexpr const char* kContainer = "XContainerResourceDetails";
constexpr const char* kFloat = "XFloatResourceDetails";
constexpr const char* kInt = "XIntResourceDetails";
constexpr const char* kUint = "XUintResourceDetails";
constexpr const char* kString = "XStringResourceDetails";
constexpr const char* kVector = "XVectorResourceDetails";
constexpr const char* kColour = "XColorResourceDetails";

// String j reads "S<j>", so a line shows which row each index reached. With
// 300 strings the grid has rows 0 to 299; 200 and 299 take 2-byte indexes.
std::vector<std::string> NumberedStrings(int count) {
    std::vector<std::string> strings{""};
    for (int j = 1; j < count; ++j)
        strings.push_back("S" + std::to_string(j));
    return strings;
}

struct LineCase {
    const char* what;
    const char* type;
    Bytes data;       // the entry's bytes after its tag
    std::string line; // the node's text, or the error's message
    bool fails = false;
};

// Opens a container with the entry as its type's one entry, followed by a
// generic entry of another type, and returns the node text or the error.
void ExpectLine(const std::vector<std::string>& strings, const LineCase& c) {
    fixture::XomBuilder xom;
    xom.Strings(strings).Type(c.type, 1).Type("After", 1);
    xom.Entry(c.data).Entry(fixture::GenericEntry(1));
    fixture::OpenedContainer opened(xom.Build());
    const TreeStore& tree = opened.window.Tree();
    if (c.fails) {
        EXPECT_EQ(opened.error.value_or("no error"), c.line) << c.what;
        EXPECT_EQ(tree.ChildCount(0), 0) << c.what;
        EXPECT_EQ(opened.window.Text(), "") << c.what;
        return;
    }
    ASSERT_FALSE(opened.error) << c.what << ": " << *opened.error;
    ASSERT_EQ(tree.ChildCount(0), 1) << c.what;
    EXPECT_EQ(tree.Text(NodeRef{0, 0}), c.line) << c.what;
    EXPECT_EQ(opened.window.Text(), c.line + "\r\n") << c.what;
}

TEST(DetailLine, EachKindWithStringsListed) {
    const std::vector<LineCase> cases{
        // Container: key of the first index, then the clamped name, read
        // right after the first index.
        {"container", kContainer, ContainerEntry(5, 7), "(0x05) S7"},
        {"container, wide value index: name at tag offset 9", kContainer, ContainerEntry(200, 7),
         "(0x1C8) S7"},
        {"container, wide name index", kContainer, ContainerEntry(5, 200), "(0x05) S200"},
        {"container, value index 0 shows the title row's key", kContainer, ContainerEntry(0, 7),
         "(0xKey) S7"},
        {"container, value index past the rows", kContainer, ContainerEntry(300, 7), "(0x0) S7"},
        {"container, name index 0", kContainer, ContainerEntry(5, 0), "(0x05) Value"},
        {"container, name index past the rows is clamped", kContainer, ContainerEntry(5, 300),
         "(0x05) Value"},

        // Float: value at tag offset 7, name at 11, whatever the first
        // lookup made of the value's bytes.
        {"float 1.5", kFloat, FloatBitsEntry(0x3FC00000, 2), "S2 = 1.50"},
        {"float, name index 0", kFloat, FloatBitsEntry(0x3FC00000, 0), "Value = 1.50"},
        {"float, name index past the rows is clamped", kFloat, FloatBitsEntry(0x3FC00000, 300),
         "Value = 1.50"},
        {"float, wide name index", kFloat, FloatBitsEntry(0x3FC00000, 299), "S299 = 1.50"},
        {"float whose first byte reads as a wide index", kFloat, FloatBitsEntry(0x3DCCCCCD, 2),
         "S2 = 0.10"},
        {"float tie", kFloat, FloatBitsEntry(0xBE000000, 2), "S2 = -0.13"},
        {"float quiet NaN", kFloat, FloatBitsEntry(0x7FC00000, 2), "S2 = NAN"},
        {"float infinity", kFloat, FloatBitsEntry(0x7F800000, 2), "S2 = INF"},
        {"float -infinity", kFloat, FloatBitsEntry(0xFF800000, 2), "S2 = -INF"},

        // Integer: the low two bytes only; both integer types alike.
        {"int all ones", kInt, IntEntry(0xFFFFFFFF, 3), "S3 = 65535"},
        {"int one million", kInt, IntEntry(1000000, 3), "S3 = 16960"},
        {"uint", kUint, IntEntry(42, 3), "S3 = 42"},
        {"int whose first byte reads as a wide index", kInt, IntEntry(0x12340080, 3), "S3 = 128"},
        {"int, wide name index", kInt, IntEntry(7, 200), "S200 = 7"},
        {"int, name index past the rows is clamped", kInt, IntEntry(7, 300), "Value = 7"},

        // String: the name is the second index, the value the first.
        {"string", kString, StringEntry(5, 7), "S7 = S5"},
        {"string, value index 0", kString, StringEntry(0, 7), "S7 = "},
        {"string, name index 0", kString, StringEntry(5, 0), "Value = S5"},
        {"string, wide value index: name at tag offset 9", kString, StringEntry(200, 7),
         "S7 = S200"},
        {"string, wide name index", kString, StringEntry(5, 299), "S299 = S5"},
        {"string, name index past the rows", kString, StringEntry(5, 300),
         "List index out of bounds (299)", true},
        {"string, value index past the rows", kString, StringEntry(300, 7),
         "List index out of bounds (299)", true},
        {"string, both past the rows: the value's error", kString, StringEntry(400, 300),
         "List index out of bounds (399)", true},

        // Vector: x, y, z at tag offsets 7, 11, 15, the name at 19.
        {"vector", kVector, VectorEntry(1.0f, -2.5f, 0.125f, 4), "S4 = <x:1.00 y:-2.50 z:0.13>"},
        {"vector, name index 0", kVector, VectorEntry(1.0f, -2.5f, 0.125f, 0),
         " = <x:1.00 y:-2.50 z:0.13>"},
        {"vector, wide name index", kVector, VectorEntry(0.0f, 3.0f, -0.0f, 200),
         "S200 = <x:0.00 y:3.00 z:0.00>"},
        {"vector, name index past the rows", kVector, VectorEntry(1.0f, 2.0f, 3.0f, 300),
         "List index out of bounds (299)", true},

        // Colour: four channel bytes at tag offsets 7 to 10, the name at 11.
        {"colour", kColour, ColourEntry(0xFF, 0x80, 0x00, 0x7F, 6), "S6 = <r:255 g:128 b:0 a:127>"},
        {"colour, name index 0", kColour, ColourEntry(1, 2, 3, 4, 0), " = <r:1 g:2 b:3 a:4>"},
        {"colour, wide name index", kColour, ColourEntry(0x80, 1, 2, 3, 200),
         "S200 = <r:128 g:1 b:2 a:3>"},
        {"colour, name index past the rows", kColour, ColourEntry(1, 2, 3, 4, 300),
         "List index out of bounds (299)", true},
    };
    std::vector<std::string> strings = NumberedStrings(300);
    for (const LineCase& c : cases)
        ExpectLine(strings, c);
}

// With no string listed the grid shows the title row and one empty row; no
// lookup fails, and only the clamped one reads "Value" from row 2 on.
TEST(DetailLine, EachKindWithNoStringListed) {
    const std::vector<LineCase> cases{
        {"container, rows 1 and 1", kContainer, ContainerEntry(1, 1), "(0x) "},
        {"container, rows 5 and 7", kContainer, ContainerEntry(5, 7), "(0x0) Value"},
        {"float, name row 1", kFloat, FloatBitsEntry(0x3FC00000, 1), " = 1.50"},
        {"float, name row 2", kFloat, FloatBitsEntry(0x3FC00000, 2), "Value = 1.50"},
        {"int, name row 9", kInt, IntEntry(9, 9), "Value = 9"},
        {"string, rows past the end", kString, StringEntry(5, 300), " = "},
        {"vector, name row 9", kVector, VectorEntry(1, 2, 3, 9), " = <x:1.00 y:2.00 z:3.00>"},
        {"colour, name row 300", kColour, ColourEntry(1, 2, 3, 4, 300), " = <r:1 g:2 b:3 a:4>"},
    };
    for (const auto& strings : {std::vector<std::string>{}, std::vector<std::string>{"zero"}})
        for (const LineCase& c : cases)
            ExpectLine(strings, c);
}

// A record longer than its entry reads on into the next entry's tag and
// data, as they lie in the file.
TEST(DetailLine, ShortRecordReadsTheFollowingBytes) {
    fixture::XomBuilder xom;
    xom.Strings(NumberedStrings(3)).Type(kColour, 1).Type("After", 1);
    xom.Entry({0x01, 0x00, 0x00}).Entry(fixture::GenericEntry(2));
    fixture::OpenedContainer opened(xom.Build());
    ASSERT_FALSE(opened.error);
    // "CTNR" gives the channels; the next entry's first data byte the name.
    EXPECT_EQ(opened.window.Tree().Text(NodeRef{0, 0}), "S1 = <r:67 g:84 b:78 a:82>");
}

// The file's last entry may stop inside its record: what lies past the
// file reads as zero bytes.
TEST(DetailLine, FieldsPastTheFileReadAsZero) {
    Bytes truncated = VectorEntry(1.0f, 2.0f, 3.0f, 2);
    truncated.resize(3 + 4 + 2); // x and half of y
    fixture::XomBuilder xom;
    xom.Strings(NumberedStrings(3)).Type(kVector, 1).Entry(truncated);
    fixture::OpenedContainer opened(xom.Build());
    ASSERT_FALSE(opened.error);
    EXPECT_EQ(opened.window.Tree().Text(NodeRef{0, 0}), " = <x:1.00 y:0.00 z:0.00>");
}

TEST(DetailLine, UsesTheDecimalSeparatorItIsGiven) {
    fixture::XomBuilder xom;
    xom.Strings(NumberedStrings(3)).Type(kVector, 1).Type(kFloat, 1);
    xom.Entry(VectorEntry(1.5f, -0.125f, 3.4028234663852886e38f, 1))
        .Entry(FloatBitsEntry(0x3FC00000, 2));
    fixture::OpenedContainer opened;
    opened.state.DecimalSeparator = ',';
    ASSERT_FALSE(opened.Open(xom.Build()));
    EXPECT_EQ(opened.window.Text(), "S1 = <x:1,50 y:-0,13 z:3,4028234663852886E38>\r\n"
                                    "S2 = 1,50\r\n");
}

} // namespace
} // namespace brindle
