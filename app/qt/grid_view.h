#pragma once
// ValueListEditor1: a key/value grid whose key column the user may widen or
// narrow while the value column always takes the rest of the inner width.

#include <QTableView>

namespace brindle::qt {

class GridView : public QTableView {
public:
    static constexpr int kKeyColumnWidth = 30;
    static constexpr int kRowHeight = 18;
    // Kept free at the right of the value column.
    static constexpr int kValueColumnSlack = 2;

    explicit GridView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitValueColumn();
};

} // namespace brindle::qt
