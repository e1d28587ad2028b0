#pragma once
// RichEdit1: a read-only, unwrapped view of one text in one character
// format. Texts reach many megabytes (hex dumps of big entries), so the view
// keeps no copy and lays out nothing ahead: it indexes every 64th line start
// once, measures the widest line with a per-byte advance table, and paints
// only the lines in sight. The user can select with the mouse, select all
// (Ctrl+A) and copy (Ctrl+C).

#include "app/window_ops.h"

#include <QAbstractScrollArea>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace brindle::qt {

class TextView : public QAbstractScrollArea {
public:
    explicit TextView(QWidget* parent = nullptr);

    // The view reads the text in place: the caller keeps it alive and
    // unchanged until the next SetText.
    void SetText(std::string_view text);
    void SetFormat(const CharFormat& format);
    const CharFormat& Format() const { return format_; }
    // The font the text is drawn in: the widget's, in the format's style.
    QFont ViewFont() const;

    int64_t LineCount() const { return lineCount_; }
    std::string_view Line(int64_t line) const;
    int64_t FirstVisibleLine() const;
    int ContentWidth() const { return contentWidth_; }
    int LineHeight() const { return lineHeight_; }
    // Selected part of the text, as byte offsets [begin, end).
    std::pair<size_t, size_t> Selection() const;
    void SelectAll();
    void CopySelection() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int64_t kLinesPerMark = 64;
    static constexpr int kMarginLeft = 2;
    static constexpr int kMarginTop = 1;

    struct LineSpan {
        size_t begin = 0; // first byte
        size_t end = 0;   // one past the last byte, line break excluded
        size_t next = 0;  // start of the following line
    };

    void Measure();
    void UpdateScrollBars();
    LineSpan SpanOf(int64_t line) const;
    LineSpan NextSpan(size_t begin) const;
    qreal Advance(unsigned char byte) const { return advances_[byte]; }
    // Byte offset under a point of the viewport.
    size_t OffsetAt(QPoint point) const;

    std::string_view text_;
    CharFormat format_;
    std::array<qreal, 256> advances_{};
    int lineHeight_ = 13;
    int ascent_ = 10;
    QColor colour_;
    int64_t lineCount_ = 0;
    std::vector<size_t> marks_; // start of lines 0, 64, 128, ...
    int contentWidth_ = 0;
    size_t anchor_ = 0;
    size_t cursor_ = 0;
    bool selecting_ = false;
};

} // namespace brindle::qt
