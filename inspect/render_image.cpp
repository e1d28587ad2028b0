#include "inspect/render_image.h"

#include "inspect/image_record.h"
#include "inspect/opened_file.h"
#include "inspect/pixel_rows.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace brindle {
namespace {

// Centred in the scroll box, but never above or left of its corner, so a
// picture larger than the box scrolls from its top-left pixel.
Point CentredPosition(Size box, int width, int height) {
    Point position{box.width / 2 - width / 2, box.height / 2 - height / 2};
    position.left = std::max(position.left, 0);
    position.top = std::max(position.top, 0);
    return position;
}

void DrawRows(WindowOps& window, std::span<const uint8_t> block, const ImageRecord& record,
              bool blend) {
    const int width = record.width;
    const int height = record.height;
    const size_t rowBytes =
        static_cast<size_t>(width) * static_cast<size_t>(record.BytesPerPixel());
    const bool wide = record.BytesPerPixel() == 4;
    // Source row 0 is the picture's bottom row.
    for (int y = 0; y < height; ++y) {
        std::span<const uint8_t> source =
            block.subspan(static_cast<size_t>(y) * rowBytes, rowBytes);
        std::span<uint8_t> target = window.PictureRow(height - 1 - y);
        if (!wide)
            ConvertRow24(source, target);
        else if (blend)
            BlendRow32(source, target, CheckerRowStartsLight(y));
        else
            ConvertRow32(source, target);
    }
}

std::string SelectedNodeText(const WindowOps& window) {
    std::optional<NodeRef> node = window.TreeSelected();
    return node ? window.NodeText(*node) : std::string();
}

std::string PictureDescription(const ImageRecord& record) {
    char text[64];
    std::snprintf(text, sizeof text, "%dx%dx%dbit type:%d", int{record.width}, int{record.height},
                  record.Bits(), int{record.type});
    return text;
}

} // namespace

bool RenderImage(RunState& state, WindowOps& window, uint32_t dataPosition, bool blend) {
    const ByteReader file = OpenedFile(state);
    const ImageRecord record = ReadImageRecord(file, dataPosition);

    window.PictureClear();
    if (record.width > kMaxImageSide)
        return false;
    window.PictureSetWidth(record.width);
    if (record.height > kMaxImageSide)
        return false;
    window.PictureSetHeight(record.height);
    window.ImageSetPosition(CentredPosition(window.ScrollBoxSize(), record.width, record.height));

    // A refused record leaves its black picture in place and lets the text
    // view cover it again.
    if (!record.KnownType()) {
        window.TextSetVisible(true);
        return false;
    }
    // Nothing in the record bounds it by the file: a damaged or cut-short
    // record is refused rather than read past the file's end.
    const int64_t blockStart = PixelBlockStart(file, record);
    if (blockStart + record.PixelBlockSize() > file.Size()) {
        window.TextSetVisible(true);
        return false;
    }

    window.PictureSetDepth(record.Bits());
    state.PixelData = static_cast<uint32_t>(blockStart);
    DrawRows(window, file.Bytes(blockStart, record.PixelBlockSize()), record, blend);
    state.ImageBits = record.Bits();

    window.StatusSetText(state.MainPanel, SelectedNodeText(window));
    window.StatusSetText(state.InfoPanel, PictureDescription(record));
    return true;
}

} // namespace brindle
