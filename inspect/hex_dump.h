#pragma once
// The text view's hex dump of an entry: two upper-case hex digits a byte,
// eight bytes a line, two blanks after every byte but the eighth of a line,
// which ends it with CR LF. No offsets, no character column.

#include "xom/byte_reader.h"

#include <cstdint>
#include <span>
#include <string>

namespace brindle {

std::string HexDumpText(std::span<const uint8_t> bytes);
// count bytes from position; only the part inside the file is shown.
std::string HexDumpText(const ByteReader& file, int64_t position, int64_t count);

} // namespace brindle
