#pragma once

#include "app/run_state.h"
#include "app/window_ops.h"

#include <string>
#include <string_view>

namespace brindle {

// "Open *.xom": choose a container, read it whole, list its types and string
// table and walk its entries into the tree and the entry index.
void Button1Click(RunState& state, WindowOps& window);

// What the open command does once the file is read: the caption from path,
// then the listing and the walk over buffer (the file plus one zero byte).
void LoadContainer(RunState& state, WindowOps& window, const std::string& path, ByteBlock buffer);

// The caption for an opened path: its name after the last "\" or "/".
std::string OpenedCaption(std::string_view path);

} // namespace brindle
