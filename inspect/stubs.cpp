// Placeholders until entry inspection lands.
#include "inspect/render_image.h"
#include "inspect/select_entry.h"

namespace brindle {

bool RenderImage(RunState&, WindowOps&, uint32_t, bool) {
    return false;
}
void TreeView1Change(RunState&, WindowOps&) {}

} // namespace brindle
