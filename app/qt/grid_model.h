#pragma once
// ValueListEditor1's model over the grid store: the title row is the
// header, grid row r (r >= 1) is model row r - 1. While nothing is listed
// the grid shows its one empty row. Rows appended to the store reach the
// view at Publish(), as in the tree model.

#include "app/grid_store.h"

#include <QAbstractTableModel>

namespace brindle::qt {

class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(const GridStore& store, QObject* parent = nullptr);

    void BeginClear();
    void EndClear();
    void Publish();
    bool InStep() const { return published_ == store_.ListedCount(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const GridStore& store_;
    int32_t published_ = 0; // listed rows the view knows
};

} // namespace brindle::qt
