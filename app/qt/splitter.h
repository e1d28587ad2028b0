#pragma once
// Splitter1: the bar between the tree and Panel2. Dragging shows a line at
// the new border; Panel2 takes the new width when the button is released,
// and Escape cancels. The width stays between 30 and what leaves the tree 30
// pixels; dragging down to 30 or less closes Panel2.

#include <QWidget>

#include <functional>

namespace brindle::qt {

class Splitter : public QWidget {
public:
    static constexpr int kWidth = 3;
    static constexpr int kMinimum = 30;

    struct Target {
        std::function<int()> width;   // Panel2's width now
        std::function<int()> room;    // Panel2's width if the tree had none
        std::function<void(int)> set; // gives Panel2 a new width
    };

    Splitter(QWidget* parent, Target target);

    // The width a drag of dx pixels (to the right) would give Panel2.
    int WidthForDrag(int dx) const;
    bool Dragging() const { return dragging_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Escape reaches whichever control has the focus; the splitter takes
    // no focus, so it listens in while a drag lasts.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowLine(int width);
    void EndDrag();

    Target target_;
    QWidget* line_ = nullptr;
    bool dragging_ = false;
    int pressX_ = 0;
    int startWidth_ = 0;
    int proposed_ = 0;
};

} // namespace brindle::qt
