#include "export/file_names.h"

#include <gtest/gtest.h>

#include <string>

namespace brindle {
namespace {

struct EntryNameCase {
    const char* label;
    int32_t sibling;
    const char* name;
};

TEST(EntryFileName, TakesTheNamePartOfEachKindOfLabel) {
    const EntryNameCase cases[] = {
        {"0x1F (mesh01)", 4, "mesh01_(4).bin"},
        {"0x1F ([OUT])", 7, "[OUT]_(7).bin"},
        {"(0x2A) Level1", 0, "0x2A Level1_(0).bin"},
        {"(0x1C8) Level1", 2, "0x1C8 Level1_(2).bin"},
        {"Speed = 1.50", 2, "Speed = 1.50_(2).bin"},
        {"pos = <x:1.00 y:2.00 z:3.00>", 0, "pos = <x_1.00 y_2.00 z_3.00>_(0).bin"},
        {"0x5 (textures\\sky.tga)", 1, "textures_sky.tga_(1).bin"},
        {"0x1F (a(b)c)", 3, "a(bc)_(3).bin"},
        {"0x1F ()", 0, "_(0).bin"},
        // Only the first ")" goes; what follows it stays.
        {"0x1 (a) b) c", 12, "a b) c_(12).bin"},
        // A ")" before the first "(" is in the removed part.
        {"x) (y)", 0, "y_(0).bin"},
        {"", 0, "_(0).bin"},
        // Windows-1252 bytes and the characters the dialog decides on stay.
        {"0x2 (caf\xE9 <a>*?\")", 5, "caf\xE9 <a>*?\"_(5).bin"},
        {"0x3 (/a:b\\c/)", 2147483647, "_a_b_c__(2147483647).bin"},
    };
    for (const EntryNameCase& c : cases)
        EXPECT_EQ(EntryFileName(c.label, c.sibling), c.name) << c.label;
}

TEST(TgaDefaultName, FoldsATgaEndingIntoTheOneAppended) {
    const std::pair<const char*, const char*> cases[] = {
        {"0x1F (textures/wall.tga)", "textures_wall.tga"},
        {"0x20 (logo.TGA)", "logo.tga"},
        {"0x21 (a.Tga)", "a.Tga.tga"},
        {"0x22 (c:\\x\\y.png)", "c__x_y.png.tga"},
        {"0x23 (foo (1).tga)", "foo (1.tga"},
        // A type node's text, when one is selected after a preview.
        {"XImage(12)", "12.tga"},
        {"no parenthesis", "no parenthesis.tga"},
        {"", ".tga"},
        // ".tga)" goes before ".TGA)", each once, then the first ")".
        {"0x1 (a.tga)b.TGA)c)", "abc.tga"},
        {"0x1 (a.tga.tga))", "a.tga.tga"},
    };
    for (const auto& [label, name] : cases)
        EXPECT_EQ(TgaDefaultName(label), name) << label;
}

} // namespace
} // namespace brindle
