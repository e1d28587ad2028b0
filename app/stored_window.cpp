#include "app/stored_window.h"

#include <stdexcept>

namespace brindle {

void StoredWindow::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed(Change::Caption);
}

void StoredWindow::TreeClear() {
    selected_.reset();
    tree_.Clear();
    Changed(Change::Tree);
}

NodeRef StoredWindow::TreeAddTop(std::string_view text) {
    NodeRef node = tree_.AddTop(text);
    Changed(Change::Tree);
    return node;
}

NodeRef StoredWindow::TreeAddChild(NodeRef parent, std::string_view text) {
    NodeRef node = tree_.AddChild(parent, text);
    Changed(Change::TreeChildAdded);
    return node;
}

void StoredWindow::SelectNode(std::optional<NodeRef> node) {
    if (node && !tree_.Contains(*node))
        throw std::out_of_range("no such tree node");
    selected_ = node;
    Changed(Change::Selection);
}

void StoredWindow::GridClear() {
    grid_.Clear();
    Changed(Change::Grid);
}

void StoredWindow::GridAppend(std::string_view key, std::string_view value) {
    grid_.Append(key, value);
    Changed(Change::Grid);
}

void StoredWindow::TextSet(std::string text) {
    text_ = std::move(text);
    Changed(Change::Text);
}

void StoredWindow::TextSetVisible(bool visible) {
    textVisible_ = visible;
    Changed(Change::TextVisible);
}

void StoredWindow::TextSetDefaultFormat(const CharFormat& format) {
    textFormat_ = format;
    Changed(Change::TextFormat);
}

void StoredWindow::SetPreviewChecked(bool checked) {
    previewChecked_ = checked;
    Changed(Change::Preview);
}

void StoredWindow::SaveImageSetEnabled(bool enabled) {
    saveImageEnabled_ = enabled;
    Changed(Change::SaveImageEnabled);
}

void StoredWindow::PictureClear() {
    picture_.Clear();
    Changed(Change::Picture);
}

void StoredWindow::PictureSetWidth(int width) {
    picture_.SetWidth(width);
    Changed(Change::Picture);
}

void StoredWindow::PictureSetHeight(int height) {
    picture_.SetHeight(height);
    Changed(Change::Picture);
}

void StoredWindow::PictureSetDepth(int bits) {
    picture_.SetDepth(bits);
    Changed(Change::Picture);
}

std::span<uint8_t> StoredWindow::PictureRow(int y) {
    // Rows are written after this returns; a screen redraws once the handler
    // is done, so one notice per row is enough.
    Changed(Change::Picture);
    return picture_.Row(y);
}

void StoredWindow::ImageSetPosition(Point position) {
    imagePosition_ = position;
    Changed(Change::ImagePosition);
}

PanelRef StoredWindow::StatusAddPanel() {
    panels_.push_back(Panel{});
    Changed(Change::Status);
    return static_cast<PanelRef>(panels_.size() - 1);
}

PanelRef StoredWindow::CheckedPanel(PanelRef panel) const {
    if (panel < 0 || panel >= StatusPanelCount())
        throw std::out_of_range("no such status panel");
    return panel;
}

void StoredWindow::StatusSetPanelWidth(PanelRef panel, int width) {
    panels_[static_cast<size_t>(CheckedPanel(panel))].width = width;
    Changed(Change::Status);
}

int StoredWindow::StatusPanelWidth(PanelRef panel) const {
    return panels_[static_cast<size_t>(CheckedPanel(panel))].width;
}

void StoredWindow::StatusSetText(PanelRef panel, std::string_view text) {
    panels_[static_cast<size_t>(CheckedPanel(panel))].text = text;
    Changed(Change::Status);
}

std::string StoredWindow::StatusText(PanelRef panel) const {
    return panels_[static_cast<size_t>(CheckedPanel(panel))].text;
}

void StoredWindow::DialogSetFileName(FileDialog dialog, std::string_view name) {
    dialogFileNames_[DialogSlot(dialog)] = name;
}

std::string StoredWindow::DialogFileName(FileDialog dialog) const {
    return dialogFileNames_[DialogSlot(dialog)];
}

} // namespace brindle
