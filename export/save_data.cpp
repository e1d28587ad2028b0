#include "export/save_data.h"

#include "export/file_names.h"
#include "export/write_file.h"
#include "xom/byte_reader.h"

#include <optional>
#include <string>

namespace brindle {

const EntrySlot* SlotOfNode(const RunState& state, int64_t absoluteIndex) {
    if (absoluteIndex < 0 || static_cast<uint64_t>(absoluteIndex) >= state.EntryIndex.size())
        return nullptr;
    const EntrySlot& slot = state.EntryIndex[static_cast<size_t>(absoluteIndex)];
    return slot.Empty() ? nullptr : &slot;
}

std::span<const uint8_t> EntryDataBytes(const RunState& state, const EntrySlot& slot) {
    std::span<const uint8_t> file = state.FileBytes();
    if (state.FileSize >= 0 && static_cast<size_t>(state.FileSize) < file.size())
        file = file.first(static_cast<size_t>(state.FileSize));
    return ByteReader(file).Bytes(slot.dataPosition, slot.DataLength());
}

void Button2Click(RunState& state, WindowOps& window) {
    std::optional<NodeRef> node = window.TreeSelected();
    if (!node || window.NodeLevel(*node) != 1)
        return;
    // An entry node the index holds no slot for has no bytes to offer, so
    // the user is not asked for a name that would get nothing.
    const EntrySlot* slot = SlotOfNode(state, window.NodeAbsoluteIndex(*node));
    if (!slot)
        return;

    window.DialogSetFileName(FileDialog::SaveData,
                             EntryFileName(window.NodeText(*node), window.NodeSiblingIndex(*node)));
    if (!window.DialogExecute(FileDialog::SaveData))
        return;
    std::string path = window.DialogFileName(FileDialog::SaveData);
    if (path.empty())
        return;
    // The file buffer already holds the bytes in one block; they go out in
    // one write from there.
    WriteWholeFile(path, EntryDataBytes(state, *slot));
}

} // namespace brindle
