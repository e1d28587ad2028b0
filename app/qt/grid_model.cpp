#include "app/qt/grid_model.h"

#include "app/qt/qt_text.h"

namespace brindle::qt {

GridModel::GridModel(const GridStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {}

void GridModel::BeginClear() {
    beginResetModel();
}

void GridModel::EndClear() {
    published_ = 0;
    endResetModel();
    Publish();
}

void GridModel::Publish() {
    int32_t listed = store_.ListedCount();
    if (listed <= published_)
        return;
    bool wasEmpty = published_ == 0;
    int32_t shownRows = rowCount();
    if (listed > shownRows) {
        beginInsertRows({}, shownRows, listed - 1);
        published_ = listed;
        endInsertRows();
    } else {
        published_ = listed;
    }
    // The empty stand-in row has become the first listed row.
    if (wasEmpty)
        emit dataChanged(index(0, 0), index(0, 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return published_ == 0 ? 1 : published_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= published_)
        return {};
    int32_t row = index.row() + 1;
    return FromCp1252(index.column() == 0 ? store_.Key(row) : store_.Value(row));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return FromCp1252(section == 0 ? store_.Key(0) : store_.Value(0));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace brindle::qt
