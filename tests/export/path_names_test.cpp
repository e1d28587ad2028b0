#include "export/path_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace brindle {
namespace {

TEST(SafeComponent, KeepsEveryNameOneHarmlessComponent) {
    const std::pair<std::string, std::string> cases[] = {
        {"XImage", "XImage"},
        {"a/b\\c:d", "a_b_c_d"},
        {std::string("a\0b", 3), "a_b"},
        {"line\nbreak\ttab\x7F", "line_break_tab_"},
        {"", "_"},
        {".", "_."},
        {"..", "_.."},
        {"...", "..."},
        {".hidden", ".hidden"},
        {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},
    };
    for (const auto& [name, safe] : cases)
        EXPECT_EQ(SafeComponent(name), safe) << name;
}

TEST(UniqueNames, NumbersRepeatsBeforeTheKeptTail) {
    UniqueNames names;
    EXPECT_EQ(names.Claim("logo.tga", 4), "logo.tga");
    EXPECT_EQ(names.Claim("logo.tga", 4), "logo (2).tga");
    EXPECT_EQ(names.Claim("logo.tga", 4), "logo (3).tga");
    // A name that happens to equal a numbered one moves on as well.
    EXPECT_EQ(names.Claim("logo (2).tga", 4), "logo (2) (2).tga");
    EXPECT_EQ(names.Claim("XImage"), "XImage");
    EXPECT_EQ(names.Claim("XImage"), "XImage (2)");
    // Pictures and data share one folder: a picture named like a data file
    // does not overwrite it.
    EXPECT_EQ(names.Claim("x_(0).bin", 8), "x_(0).bin");
    EXPECT_EQ(names.Claim("x_(0).bin", 4), "x_(0) (2).bin");
}

TEST(UniqueNames, ManyEqualNamesStayDistinct) {
    UniqueNames names;
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i)
        EXPECT_TRUE(seen.insert(names.Claim("a.tga", 4)).second);
    EXPECT_TRUE(seen.count("a (2000).tga"));
}

TEST(UniqueNames, CutsLongNamesBeforeTheTailAtACharacterStart) {
    UniqueNames names;
    // 200 two-byte characters: 400 bytes before the tail.
    std::string stem;
    for (int i = 0; i < 200; ++i)
        stem += "\xC3\xA9";
    std::string first = names.Claim(stem + "_(7).bin", 8);
    EXPECT_LE(first.size(), kMaxNameBytes);
    EXPECT_EQ(first.size(), kMaxNameBytes - 1); // 247 bytes would split a character
    EXPECT_EQ(first.substr(first.size() - 8), "_(7).bin");
    EXPECT_EQ(first.substr(0, 246), stem.substr(0, 246));

    std::string second = names.Claim(stem + "_(7).bin", 8);
    EXPECT_NE(second, first);
    EXPECT_LE(second.size(), kMaxNameBytes);
    EXPECT_EQ(second.substr(second.size() - 12), " (2)_(7).bin");
    EXPECT_EQ((second.size() - 12) % 2, 0u) << "cut inside a character";
}

} // namespace
} // namespace brindle
