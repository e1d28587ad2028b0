#include "export/file_names.h"

namespace brindle {
namespace {

// Everything up to and including the first "(", when there is one.
std::string AfterFirstOpening(std::string_view label) {
    size_t open = label.find('(');
    return std::string(open == std::string_view::npos ? label : label.substr(open + 1));
}

void EraseFirst(std::string& text, std::string_view what) {
    size_t at = text.find(what);
    if (at != std::string::npos)
        text.erase(at, what.size());
}

// Folder separators of either system and drive colons.
void ReplaceSeparators(std::string& text) {
    for (char& c : text)
        if (c == '/' || c == ':' || c == '\\')
            c = '_';
}

} // namespace

std::string EntryFileName(std::string_view label, int32_t siblingIndex) {
    std::string name = AfterFirstOpening(label);
    EraseFirst(name, ")");
    ReplaceSeparators(name);
    name += "_(" + std::to_string(siblingIndex) + ").bin";
    return name;
}

std::string TgaDefaultName(std::string_view label) {
    std::string name = AfterFirstOpening(label);
    EraseFirst(name, ".tga)");
    EraseFirst(name, ".TGA)");
    EraseFirst(name, ")");
    ReplaceSeparators(name);
    name += ".tga";
    return name;
}

} // namespace brindle
