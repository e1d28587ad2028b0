#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

namespace brindle {

// "Save image as *.tga": the previewed picture, unblended, as a TGA file.
void Button3Click(RunState& state, WindowOps& window);

} // namespace brindle
