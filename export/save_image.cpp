#include "export/save_image.h"

#include "export/file_names.h"
#include "export/tga_writer.h"
#include "export/write_file.h"
#include "inspect/render_image.h"

#include <optional>
#include <string>
#include <vector>

namespace brindle {

void Button3Click(RunState& state, WindowOps& window) {
    // Nothing has been previewed since the start: there is no picture to save.
    if (!state.SelectedImage)
        return;
    std::optional<NodeRef> node = window.TreeSelected();
    std::string label = node ? window.NodeText(*node) : std::string();

    window.DialogSetFileName(FileDialog::SaveImage, TgaDefaultName(label));
    if (!window.DialogExecute(FileDialog::SaveImage))
        return;
    std::string path = window.DialogFileName(FileDialog::SaveImage);
    if (path.empty())
        return;
    // Decoded again without the checkerboard, so the file holds the record's
    // own colours and alpha.
    if (!RenderImage(state, window, *state.SelectedImage, false))
        return;
    std::vector<uint8_t> file = EncodeTga(window);
    WriteWholeFile(path, file);
}

} // namespace brindle
