#pragma once

#include "app/run_state.h"
#include "xom/byte_reader.h"

#include <algorithm>
#include <cstddef>

namespace brindle {

// The opened file's own bytes, without the zero byte kept after them.
inline ByteReader OpenedFile(const RunState& state) {
    std::span<const uint8_t> buffer = state.FileBytes();
    const auto fileSize = static_cast<size_t>(std::max<int32_t>(state.FileSize, 0));
    return ByteReader(buffer.first(std::min(fileSize, buffer.size())));
}

} // namespace brindle
