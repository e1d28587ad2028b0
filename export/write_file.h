#pragma once
// Creates or replaces a file and writes it in one piece.

#include <cstdint>
#include <span>
#include <string>

namespace brindle {

// Throws AppError("Cannot create file <path>") when the file cannot be
// created (nothing is written then), and AppError("Stream write error") when
// the bytes do not all reach it. A regular file left short by a failed write
// is removed, so no half-made file remains to pass for a saved one.
void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

} // namespace brindle
