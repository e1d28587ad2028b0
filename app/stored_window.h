#pragma once
// The window's contents as plain data, with every window operation
// implemented over them. The headless window is this and nothing more; the
// Qt window adds widgets that show the same data and answers the operations
// only a screen can answer (dialogs, repaint, the scroll box's size).

#include "app/grid_store.h"
#include "app/picture.h"
#include "app/tree_store.h"
#include "app/window_ops.h"

#include <array>
#include <string>
#include <vector>

namespace brindle {

inline constexpr const char* kStartCaption = "Brindle for Worms3D v1.5 by Tolvanek";

class StoredWindow : public WindowOps {
public:
    void SetCaption(const std::string& caption) override;
    std::string Caption() const override { return caption_; }

    void TreeClear() override;
    NodeRef TreeAddTop(std::string_view text) override;
    NodeRef TreeAddChild(NodeRef parent, std::string_view text) override;
    std::optional<NodeRef> TreeSelected() const override { return selected_; }
    std::string NodeText(NodeRef node) const override { return std::string(tree_.Text(node)); }
    int64_t NodeAbsoluteIndex(NodeRef node) const override { return tree_.AbsoluteIndex(node); }
    int NodeLevel(NodeRef node) const override { return node.IsTop() ? 0 : 1; }
    int32_t NodeSiblingIndex(NodeRef node) const override {
        return node.IsTop() ? node.top : node.child;
    }

    void GridClear() override;
    void GridAppend(std::string_view key, std::string_view value) override;
    int32_t GridRowCount() const override { return grid_.RowCount(); }
    std::string GridKey(int32_t row) const override { return std::string(grid_.Key(row)); }
    std::string GridValue(int32_t row) const override { return std::string(grid_.Value(row)); }

    void TextSet(std::string text) override;
    const std::string& Text() const override { return text_; }
    void TextSetVisible(bool visible) override;
    bool TextVisible() const override { return textVisible_; }
    void TextSetDefaultFormat(const CharFormat& format) override;
    CharFormat TextDefaultFormat() const override { return textFormat_; }

    bool PreviewChecked() const override { return previewChecked_; }
    void SetPreviewChecked(bool checked) override;

    void SaveImageSetEnabled(bool enabled) override;
    bool SaveImageEnabled() const override { return saveImageEnabled_; }

    void PictureClear() override;
    void PictureSetWidth(int width) override;
    void PictureSetHeight(int height) override;
    void PictureSetDepth(int bits) override;
    std::span<uint8_t> PictureRow(int y) override;
    std::span<const uint8_t> PictureRowConst(int y) const override { return picture_.Row(y); }
    int PictureWidth() const override { return picture_.Width(); }
    int PictureHeight() const override { return picture_.Height(); }
    int PictureDepth() const override { return picture_.Depth(); }
    void ImageSetPosition(Point position) override;
    Point ImagePosition() const override { return imagePosition_; }

    PanelRef StatusAddPanel() override;
    void StatusSetPanelWidth(PanelRef panel, int width) override;
    int StatusPanelWidth(PanelRef panel) const override;
    int StatusPanelCount() const override { return static_cast<int>(panels_.size()); }
    void StatusSetText(PanelRef panel, std::string_view text) override;
    std::string StatusText(PanelRef panel) const override;

    void DialogSetFileName(FileDialog dialog, std::string_view name) override;
    std::string DialogFileName(FileDialog dialog) const override;

    // Beyond the operations: what a user does to the window.
    const TreeStore& Tree() const { return tree_; }
    const GridStore& Grid() const { return grid_; }
    const Picture& Image() const { return picture_; }
    // Selects a node (or nothing); the caller runs the selection handler.
    void SelectNode(std::optional<NodeRef> node);

protected:
    enum class Change {
        Caption,
        Tree,
        TreeChildAdded,
        Selection,
        Grid,
        Text,
        TextVisible,
        TextFormat,
        Preview,
        SaveImageEnabled,
        Picture,
        ImagePosition,
        Status,
    };
    // Told after each change, so a screen can follow.
    virtual void Changed(Change) {}

    static size_t DialogSlot(FileDialog dialog) { return static_cast<size_t>(dialog); }

private:
    PanelRef CheckedPanel(PanelRef panel) const;

    std::string caption_ = kStartCaption;
    TreeStore tree_;
    std::optional<NodeRef> selected_;
    GridStore grid_;
    std::string text_;
    bool textVisible_ = true;
    CharFormat textFormat_;
    bool previewChecked_ = true;
    bool saveImageEnabled_ = false;
    Picture picture_;
    Point imagePosition_;
    struct Panel {
        int width = 50;
        std::string text;
    };
    std::vector<Panel> panels_;
    std::array<std::string, 3> dialogFileNames_;
};

} // namespace brindle
