#pragma once
// The one-line description of an entry of the seven detail types, built from
// the entry's own bytes and the string table in the grid.

#include "app/window_ops.h"
#include "xom/byte_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brindle {

enum class DetailKind { Container, Float, Integer, String, Vector, Colour };

// The kind that entries of a type with this name get, or none.
std::optional<DetailKind> DetailKindOfType(std::string_view typeName);

// What the walk's first lookup found for the entry.
struct FirstLookup {
    uint32_t index = 0; // the first index, at tag offset 7
    bool wide = false;  // it took two bytes
    std::string name;   // value of its row, or "[OUT]"
    std::string key;    // key of its row, or "0"
};

// The entry's line. Throws AppError for a lookup past the grid's rows and for
// a signalling not-a-number.
std::string DetailLine(DetailKind kind, const ByteReader& file, int64_t tagPosition,
                       const FirstLookup& first, const WindowOps& grid, char decimalSeparator);

} // namespace brindle
