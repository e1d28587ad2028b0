#include "export/path_names.h"

namespace brindle {
namespace {

bool Replaced(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':';
}

// stem + tail cut to kMaxNameBytes by shortening the stem.
std::string Fit(std::string_view stem, std::string_view tail) {
    if (stem.size() + tail.size() > kMaxNameBytes) {
        size_t keep = tail.size() < kMaxNameBytes ? kMaxNameBytes - tail.size() : 0;
        if (keep < stem.size()) {
            // Back off to the start of a character.
            while (keep > 0 && (static_cast<unsigned char>(stem[keep]) & 0xC0) == 0x80)
                --keep;
            stem = stem.substr(0, keep);
        }
    }
    std::string name(stem);
    name += tail;
    return name;
}

} // namespace

std::string SafeComponent(std::string_view utf8) {
    std::string name(utf8);
    for (char& c : name)
        if (Replaced(static_cast<unsigned char>(c)))
            c = '_';
    if (name.empty())
        return "_";
    if (name == "." || name == "..")
        return "_" + name;
    return name;
}

std::string UniqueNames::Claim(std::string_view name, size_t tailLength) {
    if (tailLength > name.size())
        tailLength = name.size();
    std::string_view stem = name.substr(0, name.size() - tailLength);
    std::string_view tail = name.substr(name.size() - tailLength);
    std::string first = Fit(stem, tail);
    std::string candidate = first;
    if (taken_.count(candidate) != 0) {
        int& copy = nextCopy_.try_emplace(first, 2).first->second;
        do
            candidate = Fit(stem, " (" + std::to_string(copy++) + ")" + std::string(tail));
        while (taken_.count(candidate) != 0);
    }
    taken_.insert(candidate);
    return candidate;
}

} // namespace brindle
