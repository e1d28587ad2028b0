#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

namespace brindle {

// "Save selected data": the selected entry's bytes to a .bin file.
void Button2Click(RunState& state, WindowOps& window);

} // namespace brindle
