#pragma once
// The three ways a detail line looks an index up in the string table, read
// back from the grid's rows (row 0 the title row, row j string j).

#include "app/window_ops.h"

#include <cstdint>
#include <string>

namespace brindle {

// The value of row r, unguarded: row 0 is "Value"; with no string listed
// every later row is empty; otherwise a row past the grid's last throws
// AppError("List index out of bounds (r - 1)").
std::string RowValue(const WindowOps& grid, uint32_t row);

// RowValue of row r, or of row 0 ("Value") when r is past the grid's rows.
// Never throws.
std::string RowValueClamped(const WindowOps& grid, uint32_t row);

// Empty for row 0, else RowValue of row r.
std::string RowValueOrEmpty(const WindowOps& grid, uint32_t row);

} // namespace brindle
