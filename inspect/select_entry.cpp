#include "inspect/select_entry.h"

#include "inspect/hex_dump.h"
#include "inspect/opened_file.h"
#include "inspect/render_image.h"

#include <algorithm>
#include <string>

namespace brindle {
namespace {

// Every entry node has a slot since the walk sizes the index to the file;
// a node beyond it is still shown, as an entry without data.
EntrySlot SlotOf(const RunState& state, int64_t absoluteIndex) {
    if (absoluteIndex < 0 || static_cast<uint64_t>(absoluteIndex) >= state.EntryIndex.size())
        return EntrySlot{};
    return state.EntryIndex[static_cast<size_t>(absoluteIndex)];
}

bool ShowPicture(RunState& state, WindowOps& window, const EntrySlot& slot) {
    if (slot.isImage != 1 || !window.PreviewChecked())
        return false;
    if (!RenderImage(state, window, slot.dataPosition, true))
        return false;
    window.TextSetVisible(false);
    window.SaveImageSetEnabled(true);
    state.SelectedImage = slot.dataPosition;
    return true;
}

void ShowHexDump(const RunState& state, WindowOps& window, const EntrySlot& slot) {
    window.TextSetVisible(true);
    window.SaveImageSetEnabled(false);
    const ByteReader file = OpenedFile(state);
    window.TextSet(HexDumpText(file, slot.dataPosition, slot.DataLength()));
}

} // namespace

void TreeView1Change(RunState& state, WindowOps& window) {
    // Toolkits may report a change while an open empties the tree.
    std::optional<NodeRef> selected = window.TreeSelected();
    if (!selected)
        return;
    const NodeRef node = *selected;
    const int64_t position = window.NodeAbsoluteIndex(node);

    if (window.NodeLevel(node) == 1) {
        const EntrySlot slot = SlotOf(state, position);
        if (ShowPicture(state, window, slot))
            return; // the picture's own status texts stay
        ShowHexDump(state, window, slot);
    }

    window.StatusSetText(state.MainPanel, window.NodeText(node) + " " + std::to_string(position) +
                                              "(" + std::to_string(window.NodeSiblingIndex(node)) +
                                              ")");
}

} // namespace brindle
