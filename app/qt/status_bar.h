#pragma once
// StatusBar1: panels only, laid out from the left at their widths; the last
// panel always reaches the right end, whatever its own width says.

#include <QLabel>
#include <QWidget>

#include <vector>

namespace brindle::qt {

class StatusBar : public QWidget {
public:
    static constexpr int kHeight = 19;

    explicit StatusBar(QWidget* parent = nullptr);

    int AddPanel(int width);
    void SetPanel(int panel, int width, const QString& text);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    QLabel* Panel(int panel) const { return panels_[static_cast<size_t>(panel)].label; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOutPanels();

    struct Entry {
        QLabel* label = nullptr;
        int width = 0;
    };
    std::vector<Entry> panels_;
};

} // namespace brindle::qt
