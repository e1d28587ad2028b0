// Placeholders until saving lands.
#include "export/save_data.h"
#include "export/save_image.h"

namespace brindle {

void Button2Click(RunState&, WindowOps&) {}
void Button3Click(RunState&, WindowOps&) {}

} // namespace brindle
