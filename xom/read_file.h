#pragma once

#include "app/run_state.h"

#include <string>

namespace brindle {

// The whole file followed by one zero byte. Throws AppError naming the path
// and the system's reason when the file cannot be opened or read, or is
// 2 GiB or larger.
ByteBlock ReadWholeFile(const std::string& path);

} // namespace brindle
