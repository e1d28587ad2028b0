#include "xom/number_text.h"

#include "app/app_error.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace brindle {
namespace {

constexpr int kSignificantDigits = 18;
// From 10^18 on the integer part alone would need more digits than are kept.
constexpr int kFirstExponentFormPower = 18;

// A positive finite value as its 18 correctly rounded significant digits
// d0 d1 ... d17 and the power of ten of d0.
struct Digits {
    char digits[kSignificantDigits];
    int exponent = 0;
};

Digits SignificantDigits(double magnitude) {
    // "d.ddddddddddddddddde-ddd": at most 1 + 1 + 17 + 5 characters.
    char text[32];
    std::to_chars_result result = std::to_chars(
        text, text + sizeof text, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    std::string_view written(text, static_cast<size_t>(result.ptr - text));
    Digits out;
    out.digits[0] = written[0];
    for (int i = 1; i < kSignificantDigits; ++i)
        out.digits[i] = written[static_cast<size_t>(i) + 1];
    size_t e = written.find('e');
    std::from_chars(written.data() + e + (written[e + 1] == '+' ? 2 : 1),
                    written.data() + written.size(), out.exponent);
    return out;
}

// d0.d1d2...E<exponent>, trailing zeros dropped.
std::string ExponentForm(const Digits& d, char separator) {
    int last = kSignificantDigits - 1;
    while (last > 0 && d.digits[last] == '0')
        --last;
    std::string text(1, d.digits[0]);
    if (last > 0) {
        text += separator;
        text.append(d.digits + 1, static_cast<size_t>(last));
    }
    text += 'E';
    text += std::to_string(d.exponent);
    return text;
}

// The magnitude in hundredths as decimal digits, rounded half up on the
// third decimal of the 18 kept digits. The digit of 10^p is d[exponent - p].
std::string Hundredths(const Digits& d) {
    std::string hundredths;
    int hundredthsDigit = d.exponent + 2;
    for (int i = 0; i <= hundredthsDigit; ++i)
        hundredths += i < kSignificantDigits ? d.digits[i] : '0';
    int thousandthsDigit = hundredthsDigit + 1;
    bool roundUp = thousandthsDigit >= 0 && thousandthsDigit < kSignificantDigits &&
                   d.digits[thousandthsDigit] >= '5';
    if (roundUp) {
        size_t i = hundredths.size();
        while (i > 0 && hundredths[i - 1] == '9')
            hundredths[--i] = '0';
        if (i == 0)
            hundredths.insert(hundredths.begin(), '1');
        else
            ++hundredths[i - 1];
    }
    size_t firstNonZero = hundredths.find_first_not_of('0');
    hundredths.erase(0, firstNonZero == std::string::npos ? hundredths.size() : firstNonZero);
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    return hundredths;
}

} // namespace

std::string FixedText(double value, char decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return sign + "INF";
    if (value == 0)
        return std::string("0") + decimalSeparator + "00";

    Digits digits = SignificantDigits(std::fabs(value));
    if (digits.exponent >= kFirstExponentFormPower)
        return sign + ExponentForm(digits, decimalSeparator);

    std::string hundredths = Hundredths(digits);
    if (hundredths.find_first_not_of('0') == std::string::npos)
        sign.clear(); // a result of zero carries no minus
    size_t split = hundredths.size() - 2;
    return sign + hundredths.substr(0, split) + decimalSeparator + hundredths.substr(split);
}

bool IsSignallingNan(uint32_t singleBits) {
    constexpr uint32_t kExponent = 0x7F800000;
    constexpr uint32_t kQuietBit = 0x00400000;
    constexpr uint32_t kFraction = 0x007FFFFF;
    return (singleBits & kExponent) == kExponent && (singleBits & kQuietBit) == 0 &&
           (singleBits & kFraction) != 0;
}

std::string SingleFixedText(uint32_t singleBits, char decimalSeparator) {
    if (IsSignallingNan(singleBits))
        throw AppError("Invalid floating point operation");
    // Every single is exactly a double; its exact digits are what is cut to 18.
    return FixedText(static_cast<double>(std::bit_cast<float>(singleBits)), decimalSeparator);
}

} // namespace brindle
