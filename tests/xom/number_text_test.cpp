// The "%f" text of the detail lines, checked against stored bit patterns so
// that every case is the exact single a container holds.
#include "app/app_error.h"
#include "xom/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace brindle {
namespace {

struct SingleCase {
    uint32_t bits;
    const char* text;
    const char* why;
};

class SingleText : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleText, MatchesTheRoundingRule) {
    const SingleCase& c = GetParam();
    EXPECT_EQ(SingleFixedText(c.bits, '.'), c.text) << c.why;
}

// Expected texts were worked out from each single's exact decimal expansion.
INSTANTIATE_TEST_SUITE_P(
    Table, SingleText,
    ::testing::Values(
        SingleCase{0x3FC00000, "1.50", "1.5"}, SingleCase{0x00000000, "0.00", "zero"},
        SingleCase{0x3F9D70A4, "1.23", "1.23f lies just above 1.23"},
        // Exact ties at the third decimal round the magnitude up, where
        // round-half-even would give 0.12 and 0.62.
        SingleCase{0x3E000000, "0.13", "0.125"}, SingleCase{0xBE000000, "-0.13", "-0.125"},
        SingleCase{0x3F200000, "0.63", "0.625"}, SingleCase{0x3EC00000, "0.38", "0.375"},
        SingleCase{0x40200000, "2.50", "2.5 has nothing to round"},
        SingleCase{0x3E000001, "0.13", "one step above 0.125"},
        SingleCase{0x3DFFFFFF, "0.12", "one step below 0.125"},
        // Their shortest decimal forms end in 5, their exact values do not:
        // the exact digits decide.
        SingleCase{0x402B3333, "2.67", "2.675f is 2.67499995..."},
        SingleCase{0x3F80A3D7, "1.00", "1.005f is 1.00499999..."},
        SingleCase{0x3BA3D70A, "0.00", "0.005f is 0.00499999..."},
        SingleCase{0x3E0A3D71, "0.14", "0.135f is 0.13500000536..."},
        // Rounding carries into the integer part.
        SingleCase{0x3F7EB852, "1.00", "0.995f is 0.99500000476..."},
        SingleCase{0xBF7EB852, "-1.00", "-0.995f"},
        SingleCase{0x42C7FD71, "100.00", "99.995f is 99.99500274..."},
        SingleCase{0x3F7FFFFF, "1.00", "largest single below 1"},
        // A zero result carries no minus.
        SingleCase{0x80000000, "0.00", "negative zero"}, SingleCase{0xBA83126F, "0.00", "-0.001"},
        SingleCase{0xBBA3D70A, "0.00", "-0.005f is -0.00499999..."},
        SingleCase{0x80000001, "0.00", "smallest negative subnormal"},
        SingleCase{0x00800000, "0.00", "smallest normal"},
        SingleCase{0xBC23D70A, "-0.01", "-0.01f is -0.00999999977..."},
        // Not-a-numbers that load quietly, and infinities.
        SingleCase{0x7FC00000, "NAN", "quiet NaN"}, SingleCase{0xFFC00000, "NAN", "negative quiet"},
        SingleCase{0x7FFFFFFF, "NAN", "quiet NaN, full payload"},
        SingleCase{0xFFC00001, "NAN", "negative quiet NaN with payload"},
        SingleCase{0x7F800000, "INF", "infinity"}, SingleCase{0xFF800000, "-INF", "-infinity"},
        // Large magnitudes: fixed form up to 18 integer digits.
        SingleCase{0x4CEB79A3, "123456792.00", "123456789f"},
        SingleCase{0x5BB1A2BC, "99999998430674944.00", "17 integer digits"},
        SingleCase{0x5D5E0B6B, "999999984306749440.00", "largest single below 10^18"},
        // From 10^18 on: exponent form, the digits cut to 18 and trailing
        // zeros dropped.
        SingleCase{0x5D5E0B6C, "1.00000005302622618E18",
                   "smallest single above 10^18, 1000000053026226176"},
        SingleCase{0xDD5E0B6C, "-1.00000005302622618E18", "its negative"},
        SingleCase{0x5D800000, "1.15292150460684698E18", "2^60 rounds up at the 18th digit"},
        SingleCase{0x5F0AC723, "9.99999998050644787E18", "1e19f rounds down at the 18th digit"},
        SingleCase{0x5D9502F9, "1.34217728E18", "1342177280000000000 drops its zeros"},
        SingleCase{0x60AD78EC, "1.00000002004087734E20", "1e20f"},
        SingleCase{0x7F7FFFFF, "3.4028234663852886E38",
                   "largest single; ...859|81 rounds to ...860"},
        SingleCase{0xFF7FFFFF, "-3.4028234663852886E38", "lowest single"}));

class SignallingNan : public ::testing::TestWithParam<uint32_t> {};

TEST_P(SignallingNan, IsAnInvalidOperation) {
    EXPECT_TRUE(IsSignallingNan(GetParam()));
    try {
        SingleFixedText(GetParam(), '.');
        FAIL() << "no error for " << std::hex << GetParam();
    } catch (const AppError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
}

INSTANTIATE_TEST_SUITE_P(EitherSign, SignallingNan,
                         ::testing::Values(0x7F800001u, 0xFF800001u, 0x7FBFFFFFu, 0xFFA00000u,
                                           0x7F800100u));

TEST(SignallingNan, NeedsAllExponentBitsAndAFractionBitBelowTheQuietOne) {
    EXPECT_FALSE(IsSignallingNan(0x7F800000)); // infinity
    EXPECT_FALSE(IsSignallingNan(0x7FC00000)); // quiet
    EXPECT_FALSE(IsSignallingNan(0x7FC00001)); // quiet with payload
    EXPECT_FALSE(IsSignallingNan(0x7F000001)); // finite
}

TEST(FixedTextSeparator, IsUsedInFixedAndExponentForm) {
    EXPECT_EQ(SingleFixedText(0x3FC00000, ','), "1,50");
    EXPECT_EQ(SingleFixedText(0xBE000000, ','), "-0,13");
    EXPECT_EQ(SingleFixedText(0x80000000, ','), "0,00");
    EXPECT_EQ(SingleFixedText(0x5D5E0B6B, ','), "999999984306749440,00");
    EXPECT_EQ(SingleFixedText(0x7F7FFFFF, ','), "3,4028234663852886E38");
    EXPECT_EQ(SingleFixedText(0x7FC00000, ','), "NAN");
    EXPECT_EQ(SingleFixedText(0xFF800000, ','), "-INF");
}

// Wider values show what singles cannot: the cut to 18 digits comes before
// the rounding at the third decimal.
TEST(FixedTextOfWiderValues, CutsTo18DigitsBeforeRounding) {
    // Exactly 1000000000000.2449951171875: its 18 digits end in .24500.
    EXPECT_EQ(FixedText(1000000000000.2449951171875, '.'), "1000000000000.25");
    EXPECT_EQ(FixedText(-1000000000000.4949951171875, '.'), "-1000000000000.50");
    EXPECT_EQ(FixedText(999999999999999872.0, '.'), "999999999999999872.00");
    EXPECT_EQ(FixedText(1e18, '.'), "1E18");
    EXPECT_EQ(FixedText(1.5e18, ','), "1,5E18");
    EXPECT_EQ(FixedText(-1e300, '.'), "-1.00000000000000005E300");
    EXPECT_EQ(FixedText(-0.0, '.'), "0.00");
    EXPECT_EQ(FixedText(std::numeric_limits<double>::quiet_NaN(), '.'), "NAN");
    EXPECT_EQ(FixedText(-std::numeric_limits<double>::quiet_NaN(), '.'), "NAN");
    EXPECT_EQ(FixedText(-std::numeric_limits<double>::infinity(), '.'), "-INF");
}

} // namespace
} // namespace brindle
