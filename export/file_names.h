#pragma once
// The file names the save dialogs propose, made from a tree label. Labels are
// Windows-1252 bytes and so are the names; nothing here checks that the file
// system can hold them.

#include <cstdint>
#include <string>
#include <string_view>

namespace brindle {

// "Save selected data": the label's name part and the entry's position among
// its siblings, e.g. "0x1F (mesh01)" and 4 give "mesh01_(4).bin".
std::string EntryFileName(std::string_view label, int32_t siblingIndex);

// "Save image as *.tga": the label's name part with a ".tga)" or ".TGA)"
// ending folded into the one ".tga" appended, e.g. "0x20 (logo.TGA)" gives
// "logo.tga".
std::string TgaDefaultName(std::string_view label);

} // namespace brindle
