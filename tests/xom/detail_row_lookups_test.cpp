// The three lookups over the grid's rows, with and without strings listed.
#include "xom/row_lookups.h"

#include "app/app_error.h"
#include "app/headless_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brindle {
namespace {

using Lookup = std::string (*)(const WindowOps&, uint32_t);

struct LookupCase {
    const char* lookup;
    Lookup run;
    uint32_t row;
    std::string result; // the text, or the error's message
    bool fails = false;
};

void ExpectLookups(const WindowOps& grid, const std::vector<LookupCase>& cases) {
    for (const LookupCase& c : cases) {
        std::string what = std::string(c.lookup) + " of row " + std::to_string(c.row);
        try {
            std::string text = c.run(grid, c.row);
            EXPECT_FALSE(c.fails) << what << " gave " << text;
            EXPECT_EQ(text, c.result) << what;
        } catch (const AppError& error) {
            EXPECT_TRUE(c.fails) << what << " failed with " << error.what();
            EXPECT_EQ(error.what(), c.result) << what;
        }
    }
}

TEST(DetailRowLookups, WithStringsListed) {
    HeadlessWindow grid;
    grid.GridAppend("01", "one");
    grid.GridAppend("02", "two"); // rows 0 to 2
    ExpectLookups(grid,
                  {
                      {"RowValue", RowValue, 0, "Value"},
                      {"RowValue", RowValue, 1, "one"},
                      {"RowValue", RowValue, 2, "two"},
                      {"RowValue", RowValue, 3, "List index out of bounds (2)", true},
                      {"RowValue", RowValue, 32767, "List index out of bounds (32766)", true},
                      {"RowValueClamped", RowValueClamped, 0, "Value"},
                      {"RowValueClamped", RowValueClamped, 2, "two"},
                      {"RowValueClamped", RowValueClamped, 3, "Value"},
                      {"RowValueClamped", RowValueClamped, 32767, "Value"},
                      {"RowValueOrEmpty", RowValueOrEmpty, 0, ""},
                      {"RowValueOrEmpty", RowValueOrEmpty, 1, "one"},
                      {"RowValueOrEmpty", RowValueOrEmpty, 3, "List index out of bounds (2)", true},
                  });
}

TEST(DetailRowLookups, WithNoStringListed) {
    HeadlessWindow grid; // the title row and one empty row
    ASSERT_EQ(grid.GridRowCount(), 2);
    ExpectLookups(grid, {
                            {"RowValue", RowValue, 0, "Value"},
                            {"RowValue", RowValue, 1, ""},
                            {"RowValue", RowValue, 2, ""},
                            {"RowValue", RowValue, 32767, ""},
                            {"RowValueClamped", RowValueClamped, 0, "Value"},
                            {"RowValueClamped", RowValueClamped, 1, ""},
                            {"RowValueClamped", RowValueClamped, 2, "Value"},
                            {"RowValueClamped", RowValueClamped, 500, "Value"},
                            {"RowValueOrEmpty", RowValueOrEmpty, 0, ""},
                            {"RowValueOrEmpty", RowValueOrEmpty, 1, ""},
                            {"RowValueOrEmpty", RowValueOrEmpty, 500, ""},
                        });
}

} // namespace
} // namespace brindle
