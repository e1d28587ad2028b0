#pragma once

namespace brindle {

// The decimal separator of the user's locale settings (LC_ALL, LC_NUMERIC,
// LANG, as the C library resolves them); "." when it is not one byte.
char LocaleDecimalSeparator();

} // namespace brindle
