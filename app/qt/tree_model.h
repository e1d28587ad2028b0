#pragma once
// TreeView1's model over the tree store. The store grows during an open
// without telling the view; Publish() announces what was added since the
// last call, and the model only ever shows published rows, so the view and
// the store never disagree about what exists.

#include "app/tree_store.h"

#include <QAbstractItemModel>

#include <optional>
#include <vector>

namespace brindle::qt {

class TreeModel : public QAbstractItemModel {
public:
    explicit TreeModel(const TreeStore& store, QObject* parent = nullptr);

    // Around a clear of the store: the view forgets every row.
    void BeginClear();
    void EndClear();
    // Announces the type and entry rows added since the last call.
    void Publish();
    bool InStep() const;

    QModelIndex IndexOf(NodeRef node) const;
    std::optional<NodeRef> NodeOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const TreeStore& store_;
    // Rows the view knows: type rows, and entry rows under each type row.
    std::vector<int32_t> publishedChildren_;
};

} // namespace brindle::qt
