#pragma once
// Texts inside containers are Windows-1252; screens and terminals want
// Unicode. The five bytes that Windows-1252 leaves undefined map to the C1
// control characters of the same value, so no byte is lost.

#include <string>
#include <string_view>

namespace brindle {

char32_t Cp1252ToCodePoint(unsigned char byte);
std::string Cp1252ToUtf8(std::string_view text);

} // namespace brindle
