#pragma once
// Everything the handlers do to the window goes through this interface, so the
// handlers run the same against the Qt window and against the headless one.
//
// Text encodings: texts that come from an opened container (tree labels, grid
// rows, the text view, status panels, proposed save names) are Windows-1252
// bytes. The caption, chosen dialog paths and error messages are native
// (UTF-8 on Linux) because they are built from file-system paths.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brindle {

// A tree node: `top` is its type node's row, `child` its row under that node
// (-1 for a type node itself).
struct NodeRef {
    int32_t top = -1;
    int32_t child = -1;

    bool IsTop() const { return child < 0; }
    friend bool operator==(const NodeRef&, const NodeRef&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
    int left = 0;
    int top = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class FileDialog {
    Open,      // OpenDialog1, "Worms3D resources file|*.xom"
    SaveData,  // SaveDialog1, "Data file|*.bin"
    SaveImage, // SaveDialog2, "TGA image|*.tga"
};

// A status bar panel as FormCreate hands it out.
using PanelRef = int;

struct CharFormat {
    uint32_t colour = 0; // 0xRRGGBB
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // The window.
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string Caption() const = 0;
    // Draws everything pending before returning (may be coalesced to the
    // display's frame rate).
    virtual void RepaintNow() = 0;

    // TreeView1.
    virtual void TreeClear() = 0;
    virtual NodeRef TreeAddTop(std::string_view text) = 0;
    virtual NodeRef TreeAddChild(NodeRef parent, std::string_view text) = 0;
    virtual std::optional<NodeRef> TreeSelected() const = 0;
    virtual std::string NodeText(NodeRef node) const = 0;
    // Position in the whole tree in display order, type and entry nodes alike.
    virtual int64_t NodeAbsoluteIndex(NodeRef node) const = 0;
    virtual int NodeLevel(NodeRef node) const = 0;
    virtual int32_t NodeSiblingIndex(NodeRef node) const = 0;

    // ValueListEditor1. Row 0 is the title row ("Key", "Value"); with no
    // listed row the grid shows one empty row 1, so the count is at least 2.
    virtual void GridClear() = 0;
    virtual void GridAppend(std::string_view key, std::string_view value) = 0;
    virtual int32_t GridRowCount() const = 0;
    // Key and value of row r. With no listed row every r >= 1 reads as an
    // empty text; otherwise an r at or past the row count throws
    // AppError("List index out of bounds (r - 1)").
    virtual std::string GridKey(int32_t row) const = 0;
    virtual std::string GridValue(int32_t row) const = 0;

    // RichEdit1, stacked above ScrollBox1.
    virtual void TextSet(std::string text) = 0;
    virtual const std::string& Text() const = 0;
    virtual void TextSetVisible(bool visible) = 0;
    virtual bool TextVisible() const = 0;
    virtual void TextSetDefaultFormat(const CharFormat& format) = 0;
    virtual CharFormat TextDefaultFormat() const = 0;

    // CheckBox1, the preview switch.
    virtual bool PreviewChecked() const = 0;
    virtual void SetPreviewChecked(bool checked) = 0;

    // Button3, "Save image as *.tga".
    virtual void SaveImageSetEnabled(bool enabled) = 0;
    virtual bool SaveImageEnabled() const = 0;

    // ScrollBox1: outer size, border included.
    virtual Size ScrollBoxSize() const = 0;

    // The picture of Image1: rows from the top, pixels blue, green, red
    // (and a fourth byte at 32 bits), rows packed without padding.
    virtual void PictureClear() = 0; // 0 x 0, black
    virtual void PictureSetWidth(int width) = 0;
    virtual void PictureSetHeight(int height) = 0; // new rows are black
    virtual void PictureSetDepth(int bits) = 0;    // 24 or 32
    virtual std::span<uint8_t> PictureRow(int y) = 0;
    virtual std::span<const uint8_t> PictureRowConst(int y) const = 0;
    virtual int PictureWidth() const = 0;
    virtual int PictureHeight() const = 0;
    virtual int PictureDepth() const = 0;
    // Image1 inside ScrollBox1; its size always follows the picture's.
    virtual void ImageSetPosition(Point position) = 0;
    virtual Point ImagePosition() const = 0;

    // StatusBar1.
    virtual PanelRef StatusAddPanel() = 0;
    virtual void StatusSetPanelWidth(PanelRef panel, int width) = 0;
    virtual int StatusPanelWidth(PanelRef panel) const = 0;
    virtual int StatusPanelCount() const = 0;
    virtual void StatusSetText(PanelRef panel, std::string_view text) = 0;
    virtual std::string StatusText(PanelRef panel) const = 0;

    // OpenDialog1, SaveDialog1, SaveDialog2.
    virtual void DialogSetFileName(FileDialog dialog, std::string_view name) = 0;
    virtual bool DialogExecute(FileDialog dialog) = 0; // true when confirmed
    virtual std::string DialogFileName(FileDialog dialog) const = 0;
};

} // namespace brindle
