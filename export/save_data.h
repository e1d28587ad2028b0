#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

#include <cstdint>
#include <span>

namespace brindle {

// The slot of the tree node at this absolute index, or nullptr when the
// entry index holds none for it.
const EntrySlot* SlotOfNode(const RunState& state, int64_t absoluteIndex);

// An entry's data bytes, the size - 4 bytes after its tag, as far as they lie
// inside the opened file (never the zero byte after it).
std::span<const uint8_t> EntryDataBytes(const RunState& state, const EntrySlot& slot);

// "Save selected data": the selected entry's bytes to a .bin file.
void Button2Click(RunState& state, WindowOps& window);

} // namespace brindle
