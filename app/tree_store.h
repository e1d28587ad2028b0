#pragma once
// The tree's nodes as plain data: type nodes in order, each with its entry
// nodes in order. Labels live in one arena so that a container with hundreds
// of thousands of entries costs a few bytes per node beyond its text.

#include "app/window_ops.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brindle {

class TreeStore {
public:
    void Clear();
    NodeRef AddTop(std::string_view text);
    NodeRef AddChild(NodeRef parent, std::string_view text);

    int32_t TopCount() const { return static_cast<int32_t>(tops_.size()); }
    int32_t ChildCount(int32_t top) const;
    int64_t NodeCount() const { return static_cast<int64_t>(tops_.size()) + childTotal_; }
    bool Contains(NodeRef node) const;

    std::string_view Text(NodeRef node) const;
    int64_t AbsoluteIndex(NodeRef node) const;
    std::optional<NodeRef> NodeAt(int64_t absoluteIndex) const;

private:
    struct TextRef {
        uint64_t offset = 0;
        uint32_t length = 0;
    };
    struct TopNode {
        TextRef text;
        std::vector<TextRef> children;
    };

    TextRef Store(std::string_view text);
    const std::vector<int64_t>& FirstIndexes() const;

    std::string arena_;
    std::vector<TopNode> tops_;
    int64_t childTotal_ = 0;
    // Absolute index of each type node, rebuilt lazily after the tree changed.
    mutable std::vector<int64_t> firstIndex_;
    mutable bool firstIndexValid_ = false;
};

} // namespace brindle
