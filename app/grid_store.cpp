#include "app/grid_store.h"

#include "app/app_error.h"

namespace brindle {

void GridStore::Clear() {
    rows_.clear();
}

void GridStore::Append(std::string_view key, std::string_view value) {
    rows_.push_back(Row{std::string(key), std::string(value)});
}

// nullptr for the empty row that stands in while nothing is listed.
const GridStore::Row* GridStore::Listed(int32_t row) const {
    if (rows_.empty() && row >= 1)
        return nullptr;
    if (row < 1 || row > ListedCount())
        throw AppError("List index out of bounds (" + std::to_string(int64_t{row} - 1) + ")");
    return &rows_[static_cast<size_t>(row - 1)];
}

std::string_view GridStore::Key(int32_t row) const {
    if (row == 0)
        return "Key";
    const Row* listed = Listed(row);
    return listed ? std::string_view(listed->key) : std::string_view();
}

std::string_view GridStore::Value(int32_t row) const {
    if (row == 0)
        return "Value";
    const Row* listed = Listed(row);
    return listed ? std::string_view(listed->value) : std::string_view();
}

} // namespace brindle
