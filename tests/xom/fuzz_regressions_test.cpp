// Inputs the fuzz target (fuzz/flow_target.cpp) showed to go wrong, each
// rebuilt here as the smallest container that shows it.
#include "xom/layout.h"
#include "xom/open_command.h"
#include "xom/read_file.h"

#include "app/app_error.h"
#include "app/form_create.h"
#include "app/headless_window.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace brindle {
namespace {

using fixture::Bytes;

// Type names and strings that never meet a zero byte: typeCount records
// filled with 'N' (the 36 bytes after the table too, so there is no "STRS"),
// then a string block of stringCount strings that all start at offset 0 of
// a zero-free data area of runLength bytes.
Bytes RunOnContainer(uint16_t typeCount, uint16_t stringCount, size_t runLength) {
    Bytes file(64, 0);
    fixture::PutU16(file, 24, typeCount);
    file.insert(file.end(), 64 * size_t{typeCount} + 36, 'N');
    fixture::AppendU32(file, stringCount);
    fixture::AppendU32(file, 0); // data size
    file.insert(file.end(), 4 * size_t{stringCount}, 0);
    file.insert(file.end(), runLength, 'S');
    return file;
}

// Each name or string read up to the end of the file, so the open copied
// the file once per name and once per string: a 1.3 MB file asked for tens
// of gigabytes. Texts are now cut at kMaxTextLength.
TEST(FuzzRegressions, TextsWithoutAZeroByteAreCutAtTheTextLimit) {
    const Bytes file = RunOnContainer(200, 5, 3 * kMaxTextLength);
    const ByteReader reader(file);

    EXPECT_EQ(ReadTypeRecord(reader, 0).name, std::string(kMaxTextLength, 'N'));
    const StringBlock block = ReadStringBlock(reader, 200);
    ASSERT_EQ(block.count, 5);
    EXPECT_EQ(ReadString(reader, block, 4), std::string(kMaxTextLength, 'S'));

    // A name that meets its zero byte within the limit is whole, however far
    // past its record it runs: record 190's runs through the 9 records
    // after it and the 36 bytes after the table to the string count's low
    // byte, 5.
    const std::string_view whole = ReadTypeRecord(reader, 190).name;
    EXPECT_EQ(whole, std::string(32 + 64 * 9 + 36, 'N') + '\x05');
    EXPECT_LT(whole.size(), kMaxTextLength);
}

TEST(FuzzRegressions, OpeningRunOnTextsCopiesEachAtMostUpToTheLimit) {
    constexpr uint16_t kTypes = 300;
    constexpr uint16_t kStrings = 2000;
    const Bytes file = RunOnContainer(kTypes, kStrings, 20000);

    RunState state;
    HeadlessWindow window;
    FormCreate(state, window);
    try {
        LoadContainer(state, window, "run-on.xom", FileBufferOf(file));
    } catch (const AppError& error) {
        FAIL() << error.what();
    }

    const TreeStore& tree = window.Tree();
    ASSERT_EQ(tree.TopCount(), kTypes);
    // Entry count "NN" = 20046.
    EXPECT_EQ(tree.Text({0, -1}), std::string(kMaxTextLength, 'N') + "(20046)");
    ASSERT_EQ(window.GridRowCount(), kStrings);
    for (int32_t row = 1; row < kStrings; ++row)
        ASSERT_EQ(window.GridValue(row).size(), kMaxTextLength) << row;
}

} // namespace
} // namespace brindle
