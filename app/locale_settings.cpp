#include "app/locale_settings.h"

#include <clocale>
#include <cstring>
#include <string>

namespace brindle {

char LocaleDecimalSeparator() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    std::string previous = current ? current : "C";
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const char* point = std::localeconv()->decimal_point;
        if (point && std::strlen(point) == 1)
            separator = point[0];
    }
    // Leave the C library's own formatting as it was.
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separator;
}

} // namespace brindle
