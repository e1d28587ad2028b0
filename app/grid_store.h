#pragma once
// The rows of the key/value grid with the grid's own rules: a title row 0
// ("Key", "Value"), and one empty row 1 while nothing is listed.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brindle {

class GridStore {
public:
    void Clear();
    void Append(std::string_view key, std::string_view value);

    int32_t ListedCount() const { return static_cast<int32_t>(rows_.size()); }
    int32_t RowCount() const { return rows_.empty() ? 2 : ListedCount() + 1; }
    // Throw AppError("List index out of bounds (row - 1)") for a row past the
    // count while at least one row is listed.
    std::string_view Key(int32_t row) const;
    std::string_view Value(int32_t row) const;

private:
    struct Row {
        std::string key;
        std::string value;
    };
    const Row* Listed(int32_t row) const;

    std::vector<Row> rows_;
};

} // namespace brindle
