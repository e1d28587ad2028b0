#include "xom/row_lookups.h"

#include <algorithm>
#include <limits>

namespace brindle {

std::string RowValue(const WindowOps& grid, uint32_t row) {
    // Indexes read from a file stay below 32768; larger rows only saturate
    // so that they read as past the end instead of wrapping to negative.
    constexpr uint32_t kLastRow = std::numeric_limits<int32_t>::max();
    return grid.GridValue(static_cast<int32_t>(std::min(row, kLastRow)));
}

std::string RowValueClamped(const WindowOps& grid, uint32_t row) {
    if (static_cast<int64_t>(row) < grid.GridRowCount())
        return RowValue(grid, row);
    return RowValue(grid, 0);
}

std::string RowValueOrEmpty(const WindowOps& grid, uint32_t row) {
    if (row == 0)
        return {};
    return RowValue(grid, row);
}

} // namespace brindle
