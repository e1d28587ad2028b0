#pragma once
// Errors that end a handler and reach the user's message box. The message is
// the exact text the box shows (before the full-stop rule of MessageBoxText).

#include <stdexcept>
#include <string>
#include <string_view>

namespace brindle {

class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text a message box shows for an error message: a "." is appended when
// the last character's code lies above that of "." (so texts ending in ".",
// "!", ")" or a blank stay as they are).
inline std::string MessageBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace brindle
