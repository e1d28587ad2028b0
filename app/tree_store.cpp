#include "app/tree_store.h"

#include <algorithm>
#include <stdexcept>

namespace brindle {

void TreeStore::Clear() {
    arena_.clear();
    arena_.shrink_to_fit();
    tops_.clear();
    tops_.shrink_to_fit();
    childTotal_ = 0;
    firstIndexValid_ = false;
}

TreeStore::TextRef TreeStore::Store(std::string_view text) {
    TextRef ref{arena_.size(), static_cast<uint32_t>(text.size())};
    arena_.append(text);
    return ref;
}

NodeRef TreeStore::AddTop(std::string_view text) {
    tops_.push_back(TopNode{Store(text), {}});
    firstIndexValid_ = false;
    return NodeRef{static_cast<int32_t>(tops_.size() - 1), -1};
}

NodeRef TreeStore::AddChild(NodeRef parent, std::string_view text) {
    if (!parent.IsTop() || parent.top >= TopCount())
        throw std::out_of_range("tree node has no such parent");
    auto& children = tops_[static_cast<size_t>(parent.top)].children;
    children.push_back(Store(text));
    ++childTotal_;
    firstIndexValid_ = false;
    return NodeRef{parent.top, static_cast<int32_t>(children.size() - 1)};
}

int32_t TreeStore::ChildCount(int32_t top) const {
    if (top < 0 || top >= TopCount())
        return 0;
    return static_cast<int32_t>(tops_[static_cast<size_t>(top)].children.size());
}

bool TreeStore::Contains(NodeRef node) const {
    if (node.top < 0 || node.top >= TopCount())
        return false;
    return node.child < ChildCount(node.top);
}

std::string_view TreeStore::Text(NodeRef node) const {
    if (!Contains(node))
        return {};
    const TopNode& top = tops_[static_cast<size_t>(node.top)];
    const TextRef& ref = node.IsTop() ? top.text : top.children[static_cast<size_t>(node.child)];
    return std::string_view(arena_).substr(ref.offset, ref.length);
}

const std::vector<int64_t>& TreeStore::FirstIndexes() const {
    if (!firstIndexValid_) {
        firstIndex_.resize(tops_.size());
        int64_t next = 0;
        for (size_t i = 0; i < tops_.size(); ++i) {
            firstIndex_[i] = next;
            next += 1 + static_cast<int64_t>(tops_[i].children.size());
        }
        firstIndexValid_ = true;
    }
    return firstIndex_;
}

int64_t TreeStore::AbsoluteIndex(NodeRef node) const {
    if (!Contains(node))
        return -1;
    return FirstIndexes()[static_cast<size_t>(node.top)] + (node.IsTop() ? 0 : node.child + 1);
}

std::optional<NodeRef> TreeStore::NodeAt(int64_t absoluteIndex) const {
    if (absoluteIndex < 0 || absoluteIndex >= NodeCount())
        return std::nullopt;
    const auto& first = FirstIndexes();
    auto it = std::upper_bound(first.begin(), first.end(), absoluteIndex);
    auto top = static_cast<int32_t>(it - first.begin() - 1);
    int64_t offset = absoluteIndex - first[static_cast<size_t>(top)];
    return NodeRef{top, static_cast<int32_t>(offset - 1)};
}

} // namespace brindle
