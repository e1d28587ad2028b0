#pragma once
// The "%f" text of the detail lines: two decimals, rounded half up on the
// magnitude after the value's digits have been cut to 18 significant ones,
// and exponent form from 10^18 on.

#include <cstdint>
#include <string>

namespace brindle {

// NaN gives "NAN" whatever its sign; infinities give "INF" and "-INF".
std::string FixedText(double value, char decimalSeparator);

// Exponent bits all ones, top fraction bit clear, some other fraction bit set.
bool IsSignallingNan(uint32_t singleBits);

// FixedText of a stored single precision value. Throws
// AppError("Invalid floating point operation") for a signalling NaN, which
// the hardware refuses to load.
std::string SingleFixedText(uint32_t singleBits, char decimalSeparator);

} // namespace brindle
