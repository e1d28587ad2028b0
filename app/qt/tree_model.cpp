#include "app/qt/tree_model.h"

#include "app/qt/qt_text.h"

namespace brindle::qt {
namespace {

// Entry rows carry their type row + 1; type rows carry 0.
constexpr quintptr kTypeRow = 0;

} // namespace

TreeModel::TreeModel(const TreeStore& store, QObject* parent)
    : QAbstractItemModel(parent), store_(store) {}

void TreeModel::BeginClear() {
    beginResetModel();
}

void TreeModel::EndClear() {
    publishedChildren_.clear();
    endResetModel();
    Publish();
}

void TreeModel::Publish() {
    auto published = static_cast<int32_t>(publishedChildren_.size());
    if (store_.TopCount() > published) {
        beginInsertRows({}, published, store_.TopCount() - 1);
        publishedChildren_.resize(static_cast<size_t>(store_.TopCount()), 0);
        endInsertRows();
    }
    // A pass over the type rows is cheap next to a frame, and the walk may
    // have added entries under any of them.
    for (int32_t top = 0; top < store_.TopCount(); ++top) {
        int32_t& shown = publishedChildren_[static_cast<size_t>(top)];
        int32_t count = store_.ChildCount(top);
        if (count > shown) {
            beginInsertRows(createIndex(top, 0, kTypeRow), shown, count - 1);
            shown = count;
            endInsertRows();
        }
    }
}

bool TreeModel::InStep() const {
    if (static_cast<int32_t>(publishedChildren_.size()) != store_.TopCount())
        return false;
    for (int32_t top = 0; top < store_.TopCount(); ++top) {
        if (publishedChildren_[static_cast<size_t>(top)] != store_.ChildCount(top))
            return false;
    }
    return true;
}

QModelIndex TreeModel::IndexOf(NodeRef node) const {
    if (node.top < 0 || node.top >= static_cast<int32_t>(publishedChildren_.size()))
        return {};
    if (node.IsTop())
        return createIndex(node.top, 0, kTypeRow);
    if (node.child >= publishedChildren_[static_cast<size_t>(node.top)])
        return {};
    return createIndex(node.child, 0, static_cast<quintptr>(node.top) + 1);
}

std::optional<NodeRef> TreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return std::nullopt;
    if (index.internalId() == kTypeRow)
        return NodeRef{index.row(), -1};
    return NodeRef{static_cast<int32_t>(index.internalId() - 1), index.row()};
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < static_cast<int>(publishedChildren_.size()) ? createIndex(row, 0, kTypeRow)
                                                                 : QModelIndex();
    if (parent.internalId() != kTypeRow || row >= rowCount(parent))
        return {};
    return createIndex(row, 0, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTypeRow)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kTypeRow);
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(publishedChildren_.size());
    if (parent.column() != 0 || parent.internalId() != kTypeRow ||
        parent.row() >= static_cast<int>(publishedChildren_.size()))
        return 0;
    return publishedChildren_[static_cast<size_t>(parent.row())];
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool TreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    std::optional<NodeRef> node = NodeOf(index);
    if (!node)
        return {};
    return FromCp1252(store_.Text(*node));
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() != kTypeRow)
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

} // namespace brindle::qt
