// Tests for writing numbers: the window's result and the texts of tables,
// coefficients and firmware.
#include "calc/number_writing.h"

#include "calc/number_reading.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace {

std::string utf8(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// ---------------------------------------------------------------------------
// Writing: sign blank, 15 significant digits, fixed form from 1E-04 to below
// 1E+15, exponent form elsewhere.
struct WriteCase {
    double value;
    std::u16string text;
    const char* guards;
};

const WriteCase kWriteCases[] = {
    {3415.6446723257936, u" 3415.64467232579", "15 digits, blank for the sign"},
    {-3415.6446723257936, u"-3415.64467232579", "minus sign"},
    {0.0, u" 0", "zero"},
    {-0.0, u" 0", "negative zero writes as zero"},
    {1.0, u" 1", "whole number has no period"},
    {-1.0, u"-1", "negative whole number"},
    {100.0, u" 100", "trailing zeros before the period stay"},
    {1234.5, u" 1234.5", "no trailing zeros after the period"},
    {0.5, u" 0.5", "a 0 before the period below 1"},
    {0.1, u" 0.1", "shortest form of 0.1"},
    {2.0 / 3.0, u" 0.666666666666667", "last digit rounded up"},
    {0.0001, u" 0.0001", "smallest fixed-form magnitude"},
    {0.000123, u" 0.000123", "leading fraction zeros"},
    {0.00001, u" 1E-05", "exponent form below 1E-04"},
    {123456789012345.0, u" 123456789012345", "largest fixed-form magnitude"},
    {1e15, u" 1E+15", "exponent form from 1E+15"},
    {999999999999999.9, u" 1E+15", "rounding carries into the exponent"},
    {1.5e20, u" 1.5E+20", "exponent form"},
    {-1.5e-7, u"-1.5E-07", "negative, negative exponent"},
    {1e100, u" 1E+100", "three-digit exponent"},
    {DBL_MAX, u" 1.79769313486231E+308", "largest double, cut so it reads back"},
    {1.797693134862315e308, u" 1.79769313486231E+308", "rounding up would pass the largest double"},
    {1.79769313486231e308, u" 1.79769313486231E+308", "just below the cut"},
    {-DBL_MAX, u"-1.79769313486231E+308", "most negative double"},
    {4.9406564584124654e-324, u" 4.94065645841247E-324", "smallest subnormal"},
};

TEST(Str, Table)
{
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(calc::Str(c.value), c.text);
    }
}

// For many random doubles, reading back what Str wrote gives the double to
// 15 significant digits, and writing it again gives the same text.
TEST(Str, LargestDoublesReadBack)
{
    for (double d : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308})
        EXPECT_NO_THROW(calc::Val(calc::Str(d))) << d;
}

TEST(Str, ReadsBackTo15Digits)
{
    std::mt19937_64 rng(20261208);
    int checked = 0;
    while (checked < 100000) {
        const double d = std::bit_cast<double>(rng());
        if (!std::isfinite(d)) continue;
        ++checked;
        const std::u16string text = calc::Str(d);
        const double back = calc::Val(text);
        ASSERT_EQ(calc::Str(back), text) << "bits " << std::bit_cast<std::uint64_t>(d);
        // Half a unit in the 15th digit, plus the rounding of the read-back
        // (a whole unit for the few doubles above the last readable text).
        if (std::fabs(d) > 1.79769313486231e308) {
            ASSERT_LE(std::fabs(back - d), 1e-14 * std::fabs(d));
        } else if (std::fabs(d) >= DBL_MIN) {
            ASSERT_LE(std::fabs(back - d), (5e-15 + 0x1p-53) * std::fabs(d)) << utf8(text);
        }
    }
}

// ---------------------------------------------------------------------------
// Left: a count of UTF-16 units, whole text when shorter.
struct LeftCase {
    std::u16string text;
    std::size_t count;
    std::u16string expected;
    const char* guards;
};

const LeftCase kLeftCases[] = {
    {u" 3415.64467232579", 8, u" 3415.64", "cut keeps the sign blank"},
    {u"-3415.64467232579", 8, u"-3415.64", "cut keeps the minus"},
    {u" 0", 8, u" 0", "shorter text comes back whole"},
    {u"", 8, u"", "empty text"},
    {u"12345678", 8, u"12345678", "exactly the count"},
    {u"abc", 0, u"", "count zero"},
    {u"1234567\U0001F600", 8, u"1234567", "a surrogate pair is not split"},
};

TEST(Left, Table)
{
    for (const LeftCase& c : kLeftCases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(calc::Left(c.text, c.count), c.expected);
    }
}

TEST(ExponentText, SignAndTwoDigitsAtLeast)
{
    EXPECT_EQ(calc::exponentText(5), "E+05");
    EXPECT_EQ(calc::exponentText(-12), "E-12");
    EXPECT_EQ(calc::exponentText(308), "E+308");
}

TEST(FullValueText, FifteenDigitsWithoutTheSignBlank)
{
    // 50-digit hand values: 3984.0129641060796..., 3415.6446723257946...
    EXPECT_EQ(calc::fullValueText(3984.0129641060796), "3984.01296410608");
    EXPECT_EQ(calc::fullValueText(-3415.6446723257946), "-3415.64467232579");
    EXPECT_EQ(calc::fullValueText(1.5e20), "1.5E+20");
    EXPECT_EQ(calc::fullValueText(0.0), "0");
}

TEST(RoundedText, NumbersWithoutNoise)
{
    EXPECT_EQ(calc::roundedText(195651.999999997, 6), "195652");
    EXPECT_EQ(calc::roundedText(0.000123456789, 4), "0.0001235");
    EXPECT_EQ(calc::decimalsText(-39.70000000001, 6), "-39.7");
    EXPECT_EQ(calc::decimalsText(-0.0000001, 6), "0");
}

// ---------------------------------------------------------------------------
// The texts of tables, coefficients and firmware. Expected texts by hand
// from each value's decimal expansion.
struct FormCase {
    std::string written;
    const char* expected;
    const char* guards;
};

TEST(NumberForms, Table)
{
    const FormCase cases[] = {
        {calc::roundedText(2.48277e-8, 6), "2.48277e-08", "below 1e-6: exponent form, C's"},
        {calc::roundedText(1e-8, 6), "1.00000e-08", "exponent form keeps its zeros"},
        {calc::roundedText(9.999995e-7, 6), "0.000001", "rounds up into the fixed range, zeros dropped"},
        {calc::roundedText(1e-6, 3), "0.000001", "smallest fixed-form magnitude"},
        {calc::roundedText(999999999999999.9, 6), "1000000000000000", "rounds up to 1e15, still fixed"},
        {calc::roundedText(9999999999999998.0, 6), "1.00000e+16", "rounds up to 1e16: exponent form"},
        {calc::roundedText(2.48277e18, 6), "2.48277e+18", "above 1e16: exponent form"},
        {calc::roundedText(-0.0, 6), "0", "negative zero"},
        {calc::roundedText(-1234.5678, 6), "-1234.57", "sign"},
        {calc::roundedText(0.125, 2), "0.12", "a tie goes to the even digit"},
        {calc::decimalsText(0.0078125, 6), "0.007812", "an exact tie at the 7th decimal goes to the even digit"},
        {calc::decimalsText(25.5, 2), "25.5", "shortest digits within the decimals"},
        {calc::decimalsText(1e13 + 0.125, 2), "10000000000000.12", "large: rounded from the exact value"},
        {calc::decimalsText(1e20, 2), "100000000000000000000", "never in exponent form"},
        {calc::decimalsText(-1e-9, 2), "0", "rounds to zero without a sign"},
        {calc::decimalsText(2.675, 2), "2.67", "2.67499999999999982236431605997495353221893310546875"},
        {calc::fixedText(120, 1), "120.0", "the zero after the period stays"},
        {calc::fixedText(-0.04, 1), "-0.0", "C keeps the sign of a value that rounds to zero"},
        {calc::fixedText(2.5, 0), "2", "no period without decimals; tie to even"},
        {calc::scientificText(7.0547763e-8, 7), "7.054776e-08", "seven digits"},
        {calc::scientificText(1e100, 3), "1.00e+100", "three exponent digits"},
        {calc::scientificText(0.5, 1), "5e-01", "one digit: no period"},
        {calc::scientificText(0.0, 3), "0.00e+00", "zero"},
        {calc::scientificText(-0.0, 3), "-0.00e+00", "negative zero keeps its sign, as in C"},
        {calc::trimmedScientificText(1.5e-7, 7), "1.5e-07", "trailing zeros dropped"},
        {calc::trimmedScientificText(1e18, 7), "1e+18", "and the period with them"},
        {calc::coefficientText(8.2649517014797e-4), "8.2649517014797e-04", "fifteen digits"},
        {calc::coefficientText(-1.1566289390168e-03), "-1.1566289390168e-03", "negative"},
        {calc::coefficientText(0.001), "1e-03", "a mantissa of one digit: no period"},
        {calc::coefficientText(-2.5e-7), "-2.5e-07", "negative, trailing zeros dropped"},
        {calc::coefficientText(1.0 / 3.0), "3.33333333333333e-01", "all fifteen digits"},
        {calc::coefficientText(0.0), "0e+00", "zero"},
        {calc::generalText(21), "21", "whole"},
        {calc::generalText(15.75), "15.75", "fixed form"},
        {calc::generalText(0.0001), "0.0001", "smallest fixed-form exponent"},
        {calc::generalText(0.00001), "1e-05", "exponent form below"},
        {calc::generalText(999999.4), "999999", "largest fixed-form exponent"},
        {calc::generalText(999999.5), "1e+06", "rounding carries into exponent form"},
        {calc::generalText(-0.0), "-0", "negative zero"},
        {calc::shortestText(3950), "3950", "a whole number without a period"},
        {calc::shortestText(0.1), "0.1", "the fewest digits that read back"},
        {calc::shortestText(0.1 + 0.2), "0.30000000000000004", "seventeen where fewer do not read back"},
        {calc::shortestText(1e-5), "1e-05", "exponent form below 1e-4"},
        {calc::shortestText(1e15), "1000000000000000", "fixed form up to 1e15"},
        {calc::shortestText(1.5e20), "1.5e+20", "exponent form above"},
        {calc::shortestText(-0.0), "-0", "negative zero"},
        {calc::roundedText(INFINITY, 6), "inf", "no checked result is infinite"},
        {calc::decimalsText(-INFINITY, 2), "-inf", "..."},
        {calc::scientificText(NAN, 3), "nan", "nor NaN"},
    };
    for (const FormCase& c : cases) EXPECT_EQ(c.written, c.expected) << c.guards;
}

// The forms C's printf has, against printf itself (the tests run in the C
// locale) for random doubles of every magnitude: the same digits, the same
// rounding, the same exponents.
TEST(NumberForms, AgreeWithPrintf)
{
    std::mt19937_64 rng(10122026);
    const auto printed = [](const char* format, int precision, double value) {
        char text[512];
        std::snprintf(text, sizeof text, format, precision, value);
        return std::string(text);
    };
    for (int i = 0; i < 20000; ++i) {
        const double d = std::bit_cast<double>(rng());
        if (!std::isfinite(d)) continue;
        const int significant = 1 + int(rng() % 17);
        ASSERT_EQ(calc::scientificText(d, significant), printed("%.*e", significant - 1, d)) << d;
        int exponent = 0;
        const double moderate = std::ldexp(std::frexp(d, &exponent), int(rng() % 120) - 60);
        const int decimals = int(rng() % 12);
        ASSERT_EQ(calc::fixedText(moderate, decimals), printed("%.*f", decimals, moderate)) << moderate;
        ASSERT_EQ(calc::generalText(moderate), printed("%.*g", 6, moderate)) << moderate;
    }
}

TEST(UseDecimalMark, FromWhereTheNumberStarts)
{
    std::string text = "3.5;3415.6";
    calc::useDecimalMark(text, ',', 4);
    EXPECT_EQ(text, "3.5;3415,6");
    calc::useDecimalMark(text, ',');
    EXPECT_EQ(text, "3,5;3415,6");
    calc::useDecimalMark(text, ',', 99);
    EXPECT_EQ(text, "3,5;3415,6");
}

} // namespace
