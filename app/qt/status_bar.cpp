#include "app/qt/status_bar.h"

#include <algorithm>

namespace brindle::qt {
namespace {

// Panels sit a little below the bar's top edge, like sunken fields.
constexpr int kPanelTop = 2;

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

int StatusBar::AddPanel(int width) {
    auto* label = new QLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(2);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->show();
    panels_.push_back(Entry{label, width});
    LayOutPanels();
    return PanelCount() - 1;
}

void StatusBar::SetPanel(int panel, int width, const QString& text) {
    Entry& entry = panels_[static_cast<size_t>(panel)];
    if (entry.label->text() != text)
        entry.label->setText(text);
    if (entry.width != width) {
        entry.width = width;
        LayOutPanels();
    }
}

void StatusBar::resizeEvent(QResizeEvent*) {
    LayOutPanels();
}

void StatusBar::LayOutPanels() {
    int left = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        bool last = i + 1 == panels_.size();
        int width = last ? std::max(0, this->width() - left) : panels_[i].width;
        // A panel's visible field leaves a pixel between it and the next.
        int field = last ? width : std::max(0, width - 2);
        panels_[i].label->setGeometry(left, kPanelTop, field, std::max(0, height() - kPanelTop));
        left += width;
    }
}

} // namespace brindle::qt
