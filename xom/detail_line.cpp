#include "xom/detail_line.h"

#include <array>
#include <cstdio>
#include <utility>

namespace brindle {

std::optional<DetailKind> DetailKindOfType(std::string_view typeName) {
    static constexpr std::array<std::pair<std::string_view, DetailKind>, 7> kinds{{
        {"XContainerResourceDetails", DetailKind::Container},
        {"XFloatResourceDetails", DetailKind::Float},
        {"XIntResourceDetails", DetailKind::Integer},
        {"XUintResourceDetails", DetailKind::Integer},
        {"XStringResourceDetails", DetailKind::String},
        {"XVectorResourceDetails", DetailKind::Vector},
        {"XColorResourceDetails", DetailKind::Colour},
    }};
    for (const auto& [name, kind] : kinds)
        if (name == typeName)
            return kind;
    return std::nullopt;
}

// Placeholder until the detail records are decoded: the generic label.
std::string DetailLine(DetailKind, const ByteReader&, int64_t, const FirstLookup& first,
                       const WindowOps&, char) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "0x%X (", first.index);
    return prefix + first.name + ")";
}

} // namespace brindle
