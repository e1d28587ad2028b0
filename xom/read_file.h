#pragma once

#include "app/run_state.h"

#include <cstdint>
#include <span>
#include <string>

namespace brindle {

// The whole file followed by one zero byte. Throws AppError naming the path
// and the system's reason when the file cannot be opened or read, or is
// 2 GiB or larger.
ByteBlock ReadWholeFile(const std::string& path);

// The same block for bytes already in memory.
ByteBlock FileBufferOf(std::span<const uint8_t> bytes);

} // namespace brindle
