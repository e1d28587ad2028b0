#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

namespace brindle {

// Runs once, after every control exists and before the window shows.
void FormCreate(RunState& state, WindowOps& window);

} // namespace brindle
