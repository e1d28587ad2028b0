#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

namespace brindle {

// The tree's selection changed: show the selected entry as a picture or as a
// hex dump, and its place in the status bar.
void TreeView1Change(RunState& state, WindowOps& window);

} // namespace brindle
