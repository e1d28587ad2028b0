#include "xom/detail_line.h"

#include "xom/layout.h"
#include "xom/number_text.h"
#include "xom/row_lookups.h"

#include <array>
#include <utility>

namespace brindle {
namespace {

// Tag offsets of the fields; the value fields all start at the first index.
constexpr int64_t kValueOffset = kFirstIndexOffset;
constexpr int64_t kNameAfterNumberOffset = 11; // float, integer, colour
constexpr int64_t kVectorNameOffset = 19;
constexpr int64_t kVectorYOffset = 11;
constexpr int64_t kVectorZOffset = 15;

// Container and string records: the name index follows the value index,
// which is the first index, 1 or 2 bytes long.
uint32_t NameAfterFirstIndex(const ByteReader& file, int64_t tag, const FirstLookup& first) {
    return ReadIndex(file, tag + kFirstIndexOffset + (first.wide ? 2 : 1)).value;
}

std::string ContainerLine(const ByteReader& file, int64_t tag, const FirstLookup& first,
                          const WindowOps& grid) {
    uint32_t nameIndex = NameAfterFirstIndex(file, tag, first);
    return "(0x" + first.key + ") " + RowValueClamped(grid, nameIndex);
}

std::string FloatLine(const ByteReader& file, int64_t tag, const WindowOps& grid, char separator) {
    uint32_t nameIndex = ReadIndex(file, tag + kNameAfterNumberOffset).value;
    std::string name = RowValueClamped(grid, nameIndex);
    return name + " = " + SingleFixedText(file.U32(tag + kValueOffset), separator);
}

std::string IntegerLine(const ByteReader& file, int64_t tag, const WindowOps& grid) {
    uint32_t nameIndex = ReadIndex(file, tag + kNameAfterNumberOffset).value;
    // Only the low two bytes of the stored value are shown.
    return RowValueClamped(grid, nameIndex) + " = " + std::to_string(file.U16(tag + kValueOffset));
}

std::string StringLine(const ByteReader& file, int64_t tag, const FirstLookup& first,
                       const WindowOps& grid) {
    uint32_t nameIndex = NameAfterFirstIndex(file, tag, first);
    // The value is looked up first, so its error wins when both fail.
    std::string value = RowValueOrEmpty(grid, first.index);
    std::string name = RowValue(grid, nameIndex);
    return name + " = " + value;
}

std::string VectorLine(const ByteReader& file, int64_t tag, const WindowOps& grid, char separator) {
    uint32_t nameIndex = ReadIndex(file, tag + kVectorNameOffset).value;
    std::string name = RowValueOrEmpty(grid, nameIndex);
    std::string x = SingleFixedText(file.U32(tag + kValueOffset), separator);
    std::string y = SingleFixedText(file.U32(tag + kVectorYOffset), separator);
    std::string z = SingleFixedText(file.U32(tag + kVectorZOffset), separator);
    return name + " = <x:" + x + " y:" + y + " z:" + z + ">";
}

std::string ColourLine(const ByteReader& file, int64_t tag, const WindowOps& grid) {
    uint32_t nameIndex = ReadIndex(file, tag + kNameAfterNumberOffset).value;
    std::string line = RowValueOrEmpty(grid, nameIndex) + " = <";
    static constexpr std::array<const char*, 4> kChannels{"r:", " g:", " b:", " a:"};
    for (size_t c = 0; c < kChannels.size(); ++c)
        line +=
            kChannels[c] + std::to_string(file.U8(tag + kValueOffset + static_cast<int64_t>(c)));
    return line + ">";
}

} // namespace

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

std::string DetailLine(DetailKind kind, const ByteReader& file, int64_t tagPosition,
                       const FirstLookup& first, const WindowOps& grid, char decimalSeparator) {
    switch (kind) {
    case DetailKind::Container:
        return ContainerLine(file, tagPosition, first, grid);
    case DetailKind::Float:
        return FloatLine(file, tagPosition, grid, decimalSeparator);
    case DetailKind::Integer:
        return IntegerLine(file, tagPosition, grid);
    case DetailKind::String:
        return StringLine(file, tagPosition, first, grid);
    case DetailKind::Vector:
        return VectorLine(file, tagPosition, grid, decimalSeparator);
    case DetailKind::Colour:
        return ColourLine(file, tagPosition, grid);
    }
    return {};
}

} // namespace brindle
