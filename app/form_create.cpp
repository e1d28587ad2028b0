#include "app/form_create.h"

namespace brindle {

void FormCreate(RunState& state, WindowOps& window) {
    state.MainPanel = window.StatusAddPanel();
    window.StatusSetPanelWidth(state.MainPanel, 250);
    state.InfoPanel = window.StatusAddPanel();
    window.StatusSetPanelWidth(state.InfoPanel, 50);
    window.TextSet("");
    CharFormat format;
    format.colour = 0x000000;
    format.bold = true;
    window.TextSetDefaultFormat(format);
}

} // namespace brindle
