#pragma once
// TreeView1: types and their entries, with connecting lines and expand
// buttons, labels read-only, nodes in the order they were added.

#include <QTreeView>

#include <memory>

class QStyle;

namespace brindle::qt {

class TreeView : public QTreeView {
public:
    static constexpr int kIndent = 19;

    explicit TreeView(QWidget* parent = nullptr);
    ~TreeView() override;

private:
    std::unique_ptr<QStyle> style_;
};

} // namespace brindle::qt
