// Tests for reading typed numbers, writing results and the checked arithmetic.
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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

// ---------------------------------------------------------------------------
// Checked arithmetic: which operations fail, and with which kind.
struct FailureCase {
    double (*operation)();
    FailureKind kind;
    const char* guards;
};

const FailureCase kFailureCases[] = {
    {[] { return calc::Log(0.0); }, FailureKind::invalidArgument, "log of zero"},
    {[] { return calc::Log(-0.0); }, FailureKind::invalidArgument, "log of negative zero"},
    {[] { return calc::Log(-2.0); }, FailureKind::invalidArgument, "log of a negative"},
    {[] { return calc::Log(NAN); }, FailureKind::invalidArgument, "log of NaN"},
    {[] { return calc::divide(1.0, 0.0); }, FailureKind::divisionByZero, "division by zero"},
    {[] { return calc::divide(1.0, -0.0); }, FailureKind::divisionByZero, "division by negative zero"},
    {[] { return calc::divide(0.0, 0.0); }, FailureKind::divisionByZero, "zero by zero"},
    {[] { return calc::divide(1e300, 1e-300); }, FailureKind::overflow, "quotient beyond range"},
    {[] { return calc::add(DBL_MAX, DBL_MAX); }, FailureKind::overflow, "sum beyond range"},
    {[] { return calc::subtract(-DBL_MAX, DBL_MAX); }, FailureKind::overflow, "difference beyond range"},
};

TEST(Arithmetic, Failures)
{
    for (const FailureCase& c : kFailureCases) {
        SCOPED_TRACE(c.guards);
        try {
            c.operation();
            ADD_FAILURE() << "no failure raised";
        } catch (const NumericFailure& f) {
            EXPECT_EQ(f.kind(), c.kind);
        }
    }
}

TEST(Arithmetic, PlainResults)
{
    EXPECT_EQ(calc::Log(1.0), 0.0);
    EXPECT_DOUBLE_EQ(calc::Log(10.0), 2.302585092994046);
    EXPECT_EQ(calc::divide(0.0, 5.0), 0.0);
    EXPECT_EQ(calc::divide(1e-300, 1e300), 0.0) << "underflow is no failure";
    EXPECT_EQ(calc::add(25.0, 273.15), 298.15);
}

} // namespace
