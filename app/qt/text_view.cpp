#include "app/qt/text_view.h"

#include "app/qt/qt_text.h"
#include "app/text_encoding.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace brindle::qt {
namespace {

bool IsBreak(char byte) {
    return byte == '\n' || byte == '\r';
}

// Control characters have no picture of their own; they take a blank's place.
bool IsControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

QChar DisplayChar(unsigned char byte) {
    char32_t code = Cp1252ToCodePoint(byte);
    return IsControl(code) ? QChar(u' ') : QChar(static_cast<char16_t>(code));
}

QString DisplayText(std::string_view bytes) {
    QString text = FromCp1252(bytes);
    for (QChar& c : text)
        if (IsControl(c.unicode()))
            c = QChar(u' ');
    return text;
}

QString CopiedText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            text += QChar(u'\n');
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            continue;
        }
        text +=
            QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(bytes[i]))));
    }
    return text;
}

} // namespace

TextView::TextView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // Fills the corner between the two scroll bars.
    setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(16);
    Measure();
}

void TextView::SetText(std::string_view text) {
    text_ = text;
    anchor_ = cursor_ = 0;
    selecting_ = false;
    Measure();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void TextView::SetFormat(const CharFormat& format) {
    format_ = format;
    Measure();
    viewport()->update();
}

QFont TextView::ViewFont() const {
    QFont viewFont = font();
    viewFont.setBold(format_.bold);
    viewFont.setItalic(format_.italic);
    viewFont.setUnderline(format_.underline);
    viewFont.setStrikeOut(format_.strikeOut);
    // Lines are drawn where the advance table says; kerning and shaping
    // would move glyphs away from it.
    viewFont.setKerning(false);
    viewFont.setStyleStrategy(QFont::PreferNoShaping);
    return viewFont;
}

void TextView::Measure() {
    QFontMetricsF metrics(ViewFont());
    for (int byte = 0; byte < 256; ++byte)
        advances_[static_cast<size_t>(byte)] =
            metrics.horizontalAdvance(DisplayChar(static_cast<unsigned char>(byte)));
    lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.height())));
    ascent_ = static_cast<int>(std::ceil(metrics.ascent()));
    colour_ = QColor::fromRgb(format_.colour);

    marks_.assign(1, 0);
    lineCount_ = 1;
    qreal widest = 0;
    qreal width = 0;
    const char* bytes = text_.data();
    const size_t size = text_.size();
    for (size_t i = 0; i < size; ++i) {
        char byte = bytes[i];
        if (!IsBreak(byte)) {
            width += advances_[static_cast<unsigned char>(byte)];
            continue;
        }
        widest = std::max(widest, width);
        width = 0;
        if (byte == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        if (lineCount_ % kLinesPerMark == 0)
            marks_.push_back(i + 1);
        ++lineCount_;
    }
    widest = std::max(widest, width);
    contentWidth_ = static_cast<int>(std::ceil(widest));
    UpdateScrollBars();
}

void TextView::UpdateScrollBars() {
    const QSize area = viewport()->size();
    int64_t fullLines = std::max(1, (area.height() - kMarginTop) / lineHeight_);
    int64_t lastTop = std::max<int64_t>(0, lineCount_ - fullLines);
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<int64_t>(lastTop, INT32_MAX)));
    verticalScrollBar()->setPageStep(static_cast<int>(fullLines));
    verticalScrollBar()->setSingleStep(1);
    int overflow = std::max(0, kMarginLeft * 2 + contentWidth_ - area.width());
    horizontalScrollBar()->setRange(0, overflow);
    horizontalScrollBar()->setPageStep(std::max(1, area.width()));
}

TextView::LineSpan TextView::NextSpan(size_t begin) const {
    LineSpan span;
    span.begin = std::min(begin, text_.size());
    size_t i = span.begin;
    while (i < text_.size() && !IsBreak(text_[i]))
        ++i;
    span.end = i;
    if (i < text_.size())
        span.next =
            i + ((text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ? 2 : 1);
    else
        span.next = i;
    return span;
}

TextView::LineSpan TextView::SpanOf(int64_t line) const {
    line = std::clamp<int64_t>(line, 0, lineCount_ - 1);
    LineSpan span = NextSpan(marks_[static_cast<size_t>(line / kLinesPerMark)]);
    for (int64_t k = line % kLinesPerMark; k > 0; --k)
        span = NextSpan(span.next);
    return span;
}

std::string_view TextView::Line(int64_t line) const {
    if (line < 0 || line >= lineCount_)
        return {};
    LineSpan span = SpanOf(line);
    return text_.substr(span.begin, span.end - span.begin);
}

int64_t TextView::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

std::pair<size_t, size_t> TextView::Selection() const {
    return {std::min(anchor_, cursor_), std::max(anchor_, cursor_)};
}

void TextView::SelectAll() {
    anchor_ = 0;
    cursor_ = text_.size();
    viewport()->update();
}

void TextView::CopySelection() const {
    auto [begin, end] = Selection();
    if (begin == end)
        return;
    QGuiApplication::clipboard()->setText(CopiedText(text_.substr(begin, end - begin)));
}

void TextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(ViewFont());
    const int width = viewport()->width();
    const int height = viewport()->height();
    const qreal left = kMarginLeft - horizontalScrollBar()->value();
    const auto [selBegin, selEnd] = Selection();
    const QPalette& colours = palette();

    int64_t line = FirstVisibleLine();
    LineSpan span = SpanOf(line);
    for (int y = kMarginTop; y < height && line < lineCount_; y += lineHeight_, ++line) {
        if (line > FirstVisibleLine())
            span = NextSpan(span.next);
        // Only the characters in sight are laid out, however long the line.
        size_t first = span.begin;
        qreal x = left;
        while (first < span.end && x + Advance(static_cast<unsigned char>(text_[first])) < 0)
            x += Advance(static_cast<unsigned char>(text_[first++]));
        size_t last = first;
        qreal right = x;
        while (last < span.end && right < width)
            right += Advance(static_cast<unsigned char>(text_[last++]));
        QString visible = DisplayText(text_.substr(first, last - first));
        const QPointF baseline(x, y + ascent_);
        painter.setPen(colour_);
        painter.drawText(baseline, visible);

        // The selection covers this line's bytes in [from, to), and its line
        // break when it runs on into the next line.
        size_t from = std::max(selBegin, span.begin);
        size_t to = std::min(selEnd, span.end);
        bool coversBreak = selEnd > span.end && selBegin <= span.end && span.next > span.end;
        if (from > to || (from == to && !coversBreak))
            continue;
        qreal selLeft = left;
        for (size_t i = span.begin; i < from; ++i)
            selLeft += Advance(static_cast<unsigned char>(text_[i]));
        qreal selRight = selLeft;
        for (size_t i = from; i < to && selRight < width; ++i)
            selRight += Advance(static_cast<unsigned char>(text_[i]));
        if (coversBreak)
            selRight += Advance(' ');
        QRectF band(QPointF(selLeft, y), QPointF(selRight, y + lineHeight_));
        painter.save();
        painter.setClipRect(band);
        painter.fillRect(band, colours.brush(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(baseline, visible);
        painter.restore();
    }
}

void TextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

size_t TextView::OffsetAt(QPoint point) const {
    int64_t line = FirstVisibleLine() + (point.y() - kMarginTop) / lineHeight_;
    if (point.y() < kMarginTop)
        line = FirstVisibleLine() - 1;
    if (line < 0)
        return 0;
    if (line >= lineCount_)
        return text_.size();
    LineSpan span = SpanOf(line);
    qreal x = kMarginLeft - horizontalScrollBar()->value();
    for (size_t i = span.begin; i < span.end; ++i) {
        qreal advance = Advance(static_cast<unsigned char>(text_[i]));
        if (x + advance / 2 > point.x())
            return i;
        x += advance;
    }
    return span.end;
}

void TextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    cursor_ = OffsetAt(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        anchor_ = cursor_;
    selecting_ = true;
    viewport()->update();
}

void TextView::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_)
        return QAbstractScrollArea::mouseMoveEvent(event);
    QPoint point = event->position().toPoint();
    // Dragging past an edge scrolls that way.
    if (point.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (point.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (point.x() < 0)
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (point.x() > viewport()->width())
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    cursor_ = OffsetAt(point);
    viewport()->update();
}

void TextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        selecting_ = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void TextView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        CopySelection();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        SelectAll();
        return;
    }
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier)
            vertical->setValue(vertical->minimum());
        horizontal->setValue(horizontal->minimum());
        return;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier)
            vertical->setValue(vertical->maximum());
        horizontal->setValue(horizontal->maximum());
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Measure();
}

} // namespace brindle::qt
