#include "app/qt/splitter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace brindle::qt {

Splitter::Splitter(QWidget* parent, Target target)
    : QWidget(parent), target_(std::move(target)), line_(new QWidget(parent)) {
    setCursor(Qt::SplitHCursor);
    setFocusPolicy(Qt::NoFocus);
    line_->setObjectName("Splitter1Line");
    line_->setAutoFillBackground(true);
    QPalette colours = line_->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Dark));
    line_->setPalette(colours);
    line_->hide();
}

int Splitter::WidthForDrag(int dx) const {
    int width = startWidth_ - dx;
    if (width <= kMinimum)
        return 0;
    int widest = std::max(kMinimum, target_.room() - kMinimum);
    return std::min(width, widest);
}

void Splitter::ShowLine(int width) {
    // The splitter's right edge meets Panel2's left edge.
    int right = x() + this->width() + target_.width();
    line_->setGeometry(right - width - kWidth, y(), kWidth, height());
    line_->raise();
    line_->show();
}

void Splitter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    pressX_ = static_cast<int>(event->globalPosition().x());
    startWidth_ = target_.width();
    proposed_ = startWidth_;
    QCoreApplication::instance()->installEventFilter(this);
    ShowLine(proposed_);
}

void Splitter::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    proposed_ = WidthForDrag(static_cast<int>(event->globalPosition().x()) - pressX_);
    ShowLine(proposed_);
}

void Splitter::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    EndDrag();
    if (proposed_ != target_.width())
        target_.set(proposed_);
}

bool Splitter::eventFilter(QObject* watched, QEvent* event) {
    if (dragging_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        EndDrag();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Splitter::EndDrag() {
    dragging_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    line_->hide();
}

} // namespace brindle::qt
