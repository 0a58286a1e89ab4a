// Tests for reading numbers: the window's lenient reader and the strict ones
// of the command line and tables.
#include "calc/number_reading.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace {

using calc::FailureKind;
using calc::NumericFailure;

std::string utf8(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// ---------------------------------------------------------------------------
// Reading: value, where reading stopped, and whether a number started at all.
struct ReadCase {
    std::u16string text;
    double value;
    std::size_t end;
    bool found;
    const char* guards;
};

const ReadCase kReadCases[] = {
    {u"", 0, 0, false, "empty field is no number"},
    {u"abc", 0, 0, false, "letters are no number"},
    {u"   \t\n", 0, 0, false, "blanks only are no number"},
    {u"  25", 25, 4, true, "leading blanks are dropped"},
    {u"2 5", 25, 3, true, "blanks inside the number are dropped"},
    {u"1 000", 1000, 5, true, "digit grouping with blanks"},
    {u"\t1\n2", 12, 4, true, "tabs and line feeds are dropped too"},
    {u"7 ", 7, 1, true, "a trailing blank is not part of the number"},
    {u"\r7", 0, 0, false, "a carriage return is not a blank"},
    {u"\u30007", 0, 0, false, "an ideographic space is not a blank"},
    {u"\u00a07", 0, 0, false, "a no-break space is not a blank"},
    {u"\uff11\uff10\uff10\uff10\uff10", 10000, 5, true, "full-width digits"},
    {u"\uff12\uff15\u3002\uff15", 25.5, 4, true, "full-width digits, ideographic full stop"},
    {u"25\u30025", 25.5, 4, true, "ideographic full stop between ASCII digits"},
    {u"\uff0d\uff11\uff0e\uff15\uff25\uff0b\uff13", -1500, 7, true, "full-width sign, period, exponent"},
    {u"\uff0b\uff15\uff45\uff0d\uff12", 0.05, 5, true, "full-width plus and lower-case e"},
    {u"1\uff10", 10, 2, true, "ASCII and full-width digits mixed"},
    {u"\uff11e\uff13", 1000, 3, true, "ASCII exponent letter between full-width digits"},
    {u"\uff11 \uff10\uff10\uff10", 1000, 5, true, "blanks between full-width digits"},
    {u"\u3002\uff15", 0.5, 2, true, "no digit before the full stop"},
    {u"\uff11\uff0e\uff12\u3002\uff13", 1.2, 3, true, "a second full stop ends the number"},
    {u"\uff11\uff0c\uff15", 1, 1, true, "the full-width comma is no decimal separator"},
    {u"\uff12\uff15\u2103", 25, 2, true, "reading stops at the degree Celsius sign"},
    {u"\uff11\uff25", 1, 1, true, "full-width exponent letter without digits is left over"},
    {u"\uff11\uff24\uff13", 1, 1, true, "full-width D is no exponent letter"},
    {u"\uff11\u3000\uff12", 1, 1, true, "the ideographic space ends the number"},
    {u"\uff10", 0, 1, true, "a full-width zero is a typed zero"},
    {u"\uff0d", 0, 0, false, "a full-width sign alone"},
    {u"\u3002", 0, 0, false, "a full stop alone"},
    {u"\uff10\uff58\uff11\uff10", 0, 1, true, "full-width x stops the number"},
    {u"\uff06\uff28\uff11\uff10", 0, 0, false, "full-width radix prefix is no prefix"},
    {u"&H\uff11\uff25", 30, 4, true, "full-width digits and E are hex digits after &H"},
    {u"&O\uff11\uff17", 15, 4, true, "full-width digits after &O"},
    {u"\uff11\ufe12", 1, 1, true, "the vertical full stop is not read"},
    {u"25\u00b0C", 25, 2, true, "reading stops at the degree sign"},
    {u"12k", 12, 2, true, "reading stops at a unit letter"},
    {u"3,5", 3, 1, true, "the comma is no decimal separator"},
    {u"1.5e3", 1500, 5, true, "exponent with lower-case e"},
    {u"1.5E+3", 1500, 6, true, "exponent with sign"},
    {u"1E-2", 0.01, 4, true, "negative exponent"},
    {u"2d2", 200, 3, true, "D is an exponent letter as well"},
    {u"1 e 3", 1000, 5, true, "blanks inside the exponent"},
    {u"1e", 1, 1, true, "exponent letter without digits is left over"},
    {u"1e+", 1, 1, true, "exponent sign without digits is left over"},
    {u"1e+x", 1, 1, true, "exponent cut short"},
    {u".5", 0.5, 2, true, "no digit before the period"},
    {u"5.", 5, 2, true, "no digit after the period"},
    {u"-.5", -0.5, 3, true, "sign and period"},
    {u"+5", 5, 2, true, "plus sign"},
    {u"- 5", -5, 3, true, "blank between sign and digits"},
    {u"+-5", 0, 0, false, "only one sign"},
    {u"-", 0, 0, false, "a sign alone"},
    {u".", 0, 0, false, "a period alone"},
    {u"e5", 0, 0, false, "an exponent alone"},
    {u".e5", 0, 0, false, "a period and an exponent"},
    {u"inf", 0, 0, false, "inf is no number"},
    {u"nan", 0, 0, false, "nan is no number"},
    {u"Infinity", 0, 0, false, "Infinity is no number"},
    {u"0x10", 0, 1, true, "C hex prefix stops at the x"},
    {u"0", 0, 1, true, "a typed zero is a number"},
    {u"-0", 0, 2, true, "negative zero equals zero"},
    {u"0e999999", 0, 8, true, "zero with a huge exponent is zero"},
    {u"1e-400", 0, 6, true, "underflow reads as zero, no overflow"},
    {u"-1e-400", 0, 7, true, "negative underflow reads as zero"},
    {u"0.1", 0.1, 3, true, "correctly rounded decimal fraction"},
    {u"9007199254740993", 9007199254740992.0, 16, true, "halfway case rounds to even"},
    {u"4.9e-324", 4.9406564584124654e-324, 8, true, "smallest subnormal"},
    {u"1.7976931348623157e308", DBL_MAX, 22, true, "largest double"},
    {u"123456789012345678901234567890", 1.2345678901234568e29, 30, true, "more digits than a double holds"},
    {u"&HFFFF", -1, 6, true, "16-bit wrap"},
    {u"&H7FFF", 32767, 6, true, "largest positive 16-bit value"},
    {u"&H8000", -32768, 6, true, "smallest 16-bit value"},
    {u"&hff", 255, 4, true, "lower-case radix letter and digits"},
    {u"&H10000", 65536, 7, true, "beyond 16 bits: 32-bit integer"},
    {u"&HFFFFFFFF", -1, 10, true, "32-bit wrap"},
    {u"&H0000FFFF", -1, 10, true, "leading zeros do not widen"},
    {u"&O17", 15, 4, true, "octal"},
    {u"&O177777", -1, 8, true, "octal 16-bit wrap"},
    {u"&O8", 0, 0, false, "8 is no octal digit"},
    {u"& H F F", 255, 7, true, "blanks inside a radix number"},
    {u"&H1G", 1, 3, true, "reading stops at a non-hex letter"},
    {u"&H", 0, 0, false, "radix prefix alone"},
    {u"&", 0, 0, false, "ampersand alone"},
    {u"-&H10", 0, 0, false, "no sign before a radix prefix"},
};

TEST(ReadNumber, Table)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(std::string(c.guards) + ": '" + utf8(c.text) + "'");
        const calc::NumberRead r = calc::readNumber(c.text);
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.end, c.end);
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(calc::Val(c.text), c.value);
    }
}

// Every row above typed with full-width digits, signs, periods and E/e reads
// exactly as its ASCII text: same value, same end, same found.
std::u16string fullWidth(std::u16string_view ascii)
{
    std::u16string out(ascii);
    for (char16_t& c : out)
        if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'E' || c == u'e')
            c = static_cast<char16_t>(c + 0xFEE0);
    return out;
}

TEST(ReadNumber, FullWidthFormsReadAsAscii)
{
    for (const ReadCase& c : kReadCases) {
        const std::u16string wide = fullWidth(c.text);
        SCOPED_TRACE(std::string(c.guards) + ": '" + utf8(c.text) + "' typed full-width");
        const calc::NumberRead r = calc::readNumber(wide);
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.end, c.end);
        EXPECT_EQ(r.found, c.found);
    }
}

TEST(ReadNumber, NegativeZeroKeepsItsSign)
{
    EXPECT_TRUE(std::signbit(calc::Val(u"-0")));
    EXPECT_TRUE(std::signbit(calc::Val(u"-1e-400")));
}

// ---------------------------------------------------------------------------
// Reading: texts whose magnitude lies beyond a double.
struct OverflowCase {
    std::u16string text;
    const char* guards;
};

const OverflowCase kOverflowCases[] = {
    {u"1e999", "exponent beyond range"},
    {u"-1e999", "negative exponent beyond range"},
    {u"1.8e308", "just past the largest double"},
    {u"1.7976931348623159e308", "rounds up to infinity"},
    {std::u16string(u"1") + std::u16string(400, u'0'), "400-digit integer"},
    {u"1e99999999999999999999999999", "exponent with more digits than an integer holds"},
    {u"0.00001e400", "leading fraction zeros counted against the exponent"},
    {u"\uff11\uff45\uff19\uff19\uff19", "full-width exponent beyond range"},
    {u"&H100000000", "radix integer wider than 32 bits"},
    {u"&HFFFFFFFFFFFFFFFFFFFF", "radix integer wider than 64 bits"},
};

TEST(ReadNumber, Overflow)
{
    for (const OverflowCase& c : kOverflowCases) {
        SCOPED_TRACE(c.guards);
        try {
            calc::Val(c.text);
            ADD_FAILURE() << "no failure raised";
        } catch (const NumericFailure& f) {
            EXPECT_EQ(f.kind(), FailureKind::overflow);
        }
    }
}

// Long texts: digits far beyond what is kept must still steer the result.
TEST(ReadNumber, LongTexts)
{
    const std::u16string zeros(500, u'0');
    EXPECT_EQ(calc::Val(u"0." + zeros + u"1e500"), 0.1) << "fraction zeros balance the exponent";
    EXPECT_EQ(calc::Val(u"1" + zeros + u"e-500"), 1.0) << "integer digits balance the exponent";
    EXPECT_EQ(calc::Val(u"9007199254740993." + std::u16string(900, u'0') + u"1"), 9007199254740994.0)
        << "a non-zero digit past the kept ones breaks the tie";

    std::u16string padded(40000, u' ');
    padded += u"10000";
    const calc::NumberRead r = calc::readNumber(padded);
    EXPECT_EQ(r.value, 10000);
    EXPECT_EQ(r.end, padded.size());

    const calc::NumberRead tiny = calc::readNumber(u"0." + std::u16string(1'000'000, u'0') + u"1");
    EXPECT_TRUE(tiny.found);
    EXPECT_EQ(tiny.value, 0);
    EXPECT_THROW(calc::Val(std::u16string(1'000'000, u'7')), NumericFailure);
}

// Short decimals are read without a text round trip; the result must still
// be the correctly rounded double that the C library's reader gives.
TEST(ReadNumber, ShortDecimalsAgreeWithTheCLibrarysReader)
{
    std::mt19937_64 rng(8122026);
    for (int i = 0; i < 100000; ++i) {
        const int digits = 1 + int(rng() % 17);
        std::string text;
        for (int d = 0; d < digits; ++d) text += char('0' + rng() % 10);
        text += 'e' + std::to_string(int(rng() % 61) - 30);
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(calc::Val(std::u16string(text.begin(), text.end())), expected) << text;
    }
}

// ---------------------------------------------------------------------------
// Strict readers: the whole text is the number, or nothing is read.
TEST(ParseNumber, WholeTextOnly)
{
    EXPECT_EQ(calc::parseNumber("3435"), 3435.0);
    EXPECT_EQ(calc::parseNumber("1.50702832891752e-7"), 1.50702832891752e-7);
    EXPECT_EQ(calc::parseNumber("+5."), 5.0);
    EXPECT_EQ(calc::parseNumber("3435K"), std::nullopt);
    EXPECT_EQ(calc::parseNumber("10k"), std::nullopt);
    EXPECT_EQ(calc::parseNumber("-"), std::nullopt);
    EXPECT_EQ(calc::parseNumber("."), std::nullopt);
    EXPECT_EQ(calc::parseNumber("1e+"), std::nullopt);
    EXPECT_EQ(calc::parseNumber("-1e-999"), std::nullopt);
    EXPECT_TRUE(std::signbit(*calc::parseNumber("-0e-999")));
}

// Where a number ends, for the readers of units after it; the SI prefix's
// exponent joins before the one rounding ("4.7" and 6: the double nearest
// 4700000, not 4.7 × 1e6 rounded twice).
TEST(ScanDecimal, EndAndValue)
{
    const struct {
        const char* text;
        std::size_t end;
        int extra;
        std::optional<double> value;
    } cases[] = {
        {"4.7k", 3, 3, 4700.0},
        {"4.7", 3, 6, 4700000.0},
        {"0.3", 3, 1, 3.0},           // 0.3 * 10 in doubles is 3.0000000000000004
        {"1.1", 3, 2, 110.0},         // 1.1 * 100 in doubles is 110.00000000000001
        {"-25°C", 3, 0, -25.0},
        {".5e1x", 4, 0, 5.0},
        {"1e", 0, 0, std::nullopt},   // an exponent letter without digits: no number
        {"e5", 0, 0, std::nullopt},
        {"1e306", 5, 9, std::nullopt}, // beyond the range once the prefix joins
        {"1e-320", 6, -9, std::nullopt},
        {"0e-400", 6, 0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const calc::DecimalText d = calc::scanDecimal(c.text);
        EXPECT_EQ(d.end, c.end);
        if (d.end != 0) {
            EXPECT_EQ(calc::decimalValue(d, c.extra), c.value);
        }
    }
}

// Values written as literals here, not read by the code under test.
TEST(PlainNumber, Table)
{
    const std::string huge = "1" + std::string(400, '0');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const struct {
        std::string text;
        char mark;
        std::optional<double> value;
    } cases[] = {
        {"9501.0", '.', 9501.0},   {"1380.5", '.', 1380.5}, {"0.1", '.', 0.1},     {"25", '.', 25.0},
        {"-40", '.', -40.0},       {"0", '.', 0.0},         {"4,7", ',', 4.7},     {"1380,5", ',', 1380.5},
        {"4,7", '.', std::nullopt}, {"4.7", ',', std::nullopt}, {"+5", '.', std::nullopt},
        {"1e4", '.', std::nullopt}, {"10k", '.', std::nullopt}, {" 5", '.', std::nullopt},
        {"5 ", '.', std::nullopt},  {"", '.', std::nullopt},    {"-", '.', std::nullopt},
        {"inf", '.', std::nullopt}, {"nan", '.', std::nullopt}, {"1.2.3", '.', std::nullopt},
        {huge, '.', std::nullopt},  {tiny, '.', std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(calc::plainNumber(c.text, c.mark), c.value) << c.text;
}

} // namespace
