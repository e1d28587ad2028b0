#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

#include <cstdint>

namespace brindle {

// Decodes the XImage record at dataPosition into Image1's picture, blended
// over the checkerboard when asked; false when the record is refused.
bool RenderImage(RunState& state, WindowOps& window, uint32_t dataPosition, bool blend);

} // namespace brindle
