// Tests for the B-value evaluation and the 8-character result text.
// Expected B values come from datasheets or from hand calculation at 50
// significant digits, never from the formula under test.
#include "calc/b_value.h"
#include "calc/number_writing.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

const std::u16string kFill(calc::kFillInMessage);
const std::u16string kInvalid(calc::kInvalidMessage);

// ---------------------------------------------------------------------------
// The evaluation: fields as typed, the check state, and what the label shows.
struct EvalCase {
    std::u16string r1, r2, t1, t2;
    std::int16_t check;
    std::u16string expected;
    const char* guards;
};

const EvalCase kEvalCases[] = {
    // ln(10) / (1/298.15 - 1/373.15) = 3415.6446723257946...
    {u"10000", u"1000", u"25", u"100", 0, u" 3415.64", "typical reading in degrees Celsius"},
    {u"10000", u"1000", u"298.15", u"373.15", 1, u" 3415.64", "the same reading in kelvin"},
    {u"10000", u"1000", u"298.15", u"373.15", 2, u" 3415.64", "a greyed box counts as ticked"},
    {u"1000", u"10000", u"25", u"100", 0, u"-3415.64", "swapped resistances"},
    {u"-10000", u"-1000", u"25", u"100", 0, u" 3415.64", "two negative resistances keep a positive ratio"},
    {u"10 000", u"1 000", u" 25", u"100 ", 0, u" 3415.64", "blanks in the fields"},
    {u"10k", u"1k", u"25\u00b0C", u"100\u00b0C", 0, u" 3415.64", "units after the numbers"},
    {u"&H2710", u"&H3E8", u"25", u"100", 0, u" 3415.64", "hexadecimal resistances"},
    {u"1e4", u"1E3", u"2.5e1", u"1e2", 0, u" 3415.64", "exponent form"},
    {u"\uff11\uff10\uff10\uff10\uff10", u"\uff11\uff10\uff10\uff10", u"\uff12\uff15", u"\uff11\uff10\uff10", 0,
     u" 3415.64", "full-width digits"},
    {u"\uff11\uff10\uff4b", u"\uff11\uff4b", u"\uff12\uff15\u2103", u"\uff11\uff10\uff10\u2103", 0, u" 3415.64",
     "full-width numbers with units"},
    {u"\uff11\uff45\uff14", u"\uff11\uff25\uff0b\uff13", u"\uff12\uff19\uff18\u3002\uff11\uff15",
     u"\uff13\uff17\uff13\uff0e\uff11\uff15", 1, u" 3415.64", "full-width exponents and full stops in kelvin"},
    // R1 "１０，０００" reads as 10: ln(10/1000) / (1/298.15 - 1/373.15) = -6831.2893446...
    {u"\uff11\uff10\uff0c\uff10\uff10\uff10", u"1000", u"25", u"100", 0, u"-6831.28",
     "the full-width comma is no separator"},
    // Datasheet: a 10 kOhm part with 1066.1 Ohm at 85 degC has B25/85 = 3984 K
    // (3984.0129641... at 50 digits).
    {u"10000", u"1066.1", u"25", u"85", 0, u" 3984.01", "datasheet B25/85"},
    // ln(100) / (1/298.15 - 1/373.15) = 6831.2893446...
    {u"100", u"1", u"25", u"100", 0, u" 6831.28", "cut, not rounded, after the period"},
    // The ice point is a real temperature: ln(3.265)/(1/273.15 - 1/298.15) = 3854.5715...
    {u"32650", u"10000", u"0", u"25", 0, u" 3854.57", "0 degC is a value"},
    {u"32650", u"10000", u"-0", u"25", 0, u" 3854.57", "-0 degC is a value"},
    // ln(10) / (1/298.15 - 1/298.151) = 204685356.03, shown with its magnitude.
    {u"10", u"1", u"25", u"25.001", 0, u" 2.0E+08", "large B keeps its exponent"},
    {u"5000", u"5000", u"25", u"85", 0, u" 0", "equal resistances give B = 0"},

    {u"", u"", u"", u"", 0, kFill, "all fields empty"},
    {u"", u"1000", u"25", u"100", 0, kFill, "R1 empty"},
    {u"10000", u"abc", u"25", u"100", 0, kFill, "R2 not a number"},
    {u"10000", u"1000", u"   ", u"100", 0, kFill, "T1 blanks only"},
    {u"10000", u"1000", u"25", u"e5", 0, kFill, "T2 an exponent alone"},
    {u"10000", u"&H", u"25", u"100", 0, kFill, "radix prefix alone"},
    {u"10000", u"1000", u"25", u"\u3000\uff11\uff10\uff10", 0, kFill, "ideographic space before T2"},
    {u"10000", u"1000", u"25", u"", 1, kFill, "empty field with the box ticked"},

    {u"", u"", u"", u"1e999", 0, kInvalid, "overflow wins over an empty field"},
    {u"1e999", u"1000", u"25", u"100", 0, kInvalid, "R1 beyond range"},
    {u"10000", u"1000", u"25", u"25", 0, kInvalid, "equal temperatures"},
    {u"1000", u"1000", u"25", u"25", 0, kInvalid, "equal temperatures and resistances"},
    {u"10000", u"1000", u"25", u"2.5e1", 0, kInvalid, "equal temperatures typed differently"},
    {u"10000", u"-1000", u"25", u"100", 0, kInvalid, "resistances of opposite signs"},
    {u"0", u"1000", u"25", u"100", 0, kInvalid, "R1 of 0 ohm"},
    {u"10000", u"0", u"25", u"100", 0, kInvalid, "R2 of 0 ohm"},
    {u"10000", u"1000", u"0", u"100", 1, kInvalid, "0 K with the box ticked"},
    {u"10000", u"1000", u"-273.15", u"100", 0, kInvalid, "absolute zero in degrees Celsius"},
    {u"1e300", u"1e-300", u"25", u"100", 0, kInvalid, "ratio beyond range"},
    {u"1e-300", u"1e300", u"25", u"100", 0, kInvalid, "ratio underflows to 0"},
    {u"10000", u"1000", u"1.7e308", u"1.7e308", 0, kInvalid, "temperature offset sum at the edge"},
    {u"1e308", u"1e-8", u"1e-300", u"2e-300", 1, kInvalid, "quotient beyond range"},
};

TEST(Evaluate, Table)
{
    for (const EvalCase& c : kEvalCases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(calc::evaluate(c.r1, c.r2, c.t1, c.t2, c.check), c.expected);
    }
}

TEST(Evaluate, RepeatedCallsAgree)
{
    const std::u16string first = calc::evaluate(u"10000", u"1000", u"25", u"100", 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(calc::evaluate(u"10000", u"1000", u"25", u"100", 0), first);
}

TEST(Evaluate, LongPastedText)
{
    const std::u16string padded = std::u16string(40000, u' ') + u"10000";
    EXPECT_EQ(calc::evaluate(padded, u"1000", u"25", u"100", 0), u" 3415.64");
}

// ---------------------------------------------------------------------------
// The result text: the plain cut where it only drops digits after the
// period, exponent form fitted to 8 characters everywhere else.
struct ResultCase {
    double value;
    std::u16string text;
    const char* guards;
};

const ResultCase kResultCases[] = {
    {3415.6446723257936, u" 3415.64", "cut after the period"},
    {-3415.6446723257936, u"-3415.64", "cut keeps the minus"},
    {0.0, u" 0", "short text whole"},
    {-0.0, u" 0", "negative zero"},
    {1234567.89, u" 1234567", "all integer digits kept"},
    {-1234567.89, u"-1234567", "all integer digits kept, negative"},
    {123456.789, u" 123456.", "the period may end the cut"},
    {0.000123456789, u" 0.00012", "small fixed form is cut after the period"},
    {1.5e20, u" 1.5E+20", "exponent form that fits stays"},
    {204685356.04, u" 2.0E+08", "integer digits beyond the width"},
    {12345678.9, u" 1.2E+07", "one integer digit too many"},
    {-12345678.9, u"-1.2E+07", "one integer digit too many, negative"},
    {99999999.99, u" 1.0E+08", "rounding carries into the exponent"},
    {1.2345e20, u" 1.2E+20", "exponent would be cut off"},
    {-1.5234e-7, u"-1.5E-07", "small exponent would be cut off"},
    {1e15, u" 1E+15", "short exponent form stays"},
    {1.23e100, u" 1E+100", "three-digit exponent leaves one mantissa digit"},
    {9.96e99, u" 1E+100", "rounding reaches a three-digit exponent"},
    {-9.96e-100, u"-1.0E-99", "rounding leaves a two-digit exponent"},
    {DBL_MAX, u" 2E+308", "largest double"},
};

TEST(ResultText, Table)
{
    for (const ResultCase& c : kResultCases) {
        SCOPED_TRACE(c.guards);
        const std::u16string text = calc::resultText(c.value);
        EXPECT_EQ(text, c.text);
        EXPECT_LE(text.size(), 8u);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// The name of a B and its full value, as the tooltip and the command line
// write them.
TEST(BetaName, FromKelvin)
{
    const struct {
        double t1, t2;
        const char* expected;
    } cases[] = {
        {298.15, 358.15, "B25/85"},
        {298.65, 358.15, "B25.5/85"},
        {233.15, 298.15, "B-40/25"},
        {273.15, 373.15, "B0/100"},
        {273.15 - 1e-9, 298.15, "B0/25"},    // rounds to 0, never "-0"
        {298.16, 323.1549, "B25.01/50"},     // two decimals at most
        {25.0 + 273.15, 50.0 + 273.15, "B25/50"}, // the window's own offset sum
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(calc::betaName(c.t1, c.t2), c.expected);
    }
}

TEST(ComputeB, SameStepsAsTheWindow)
{
    // R1 10000, R2 1000 at 25 °C and 100 °C: 3415.6446723257946... (hand value)
    EXPECT_EQ(calc::fullValueText(calc::computeB(10000, 1000, 25, 100, true)), "3415.64467232579");
    EXPECT_EQ(calc::computeB(10000, 1000, 25, 100, true), calc::computeB(10000, 1000, 298.15, 373.15, false));
    EXPECT_THROW(calc::computeB(10000, 1000, 25, 25, true), calc::NumericFailure);
    EXPECT_THROW(calc::computeB(10000, -1000, 25, 100, true), calc::NumericFailure);
    EXPECT_THROW(calc::computeB(10000, 1000, 0, 100, false), calc::NumericFailure);
}

TEST(CelsiusKelvin, OneCheckedConversion)
{
    EXPECT_EQ(calc::celsiusToKelvin(0), 273.15);
    EXPECT_EQ(calc::celsiusToKelvin(-273.15), 0.0);
    EXPECT_EQ(calc::kelvinToCelsius(273.15), 0.0);
    EXPECT_EQ(calc::kelvinToCelsius(0), -273.15);
    try {
        calc::celsiusToKelvin(INFINITY);
        ADD_FAILURE() << "an infinite temperature converted";
    } catch (const calc::NumericFailure& failure) {
        EXPECT_EQ(failure.kind(), calc::FailureKind::overflow);
    }
    EXPECT_THROW(calc::kelvinToCelsius(NAN), calc::NumericFailure);
}

TEST(EvaluateInFull, GivesBAndItsTemperaturesOnlyWhenComputed)
{
    // Datasheet B25/85 of a 10 kOhm part with 1066.1 Ohm at 85 degC: 3984.0129641... K.
    const calc::Evaluation full = calc::evaluateInFull(u"10000", u"1066.1", u"25", u"85", 0);
    EXPECT_EQ(full.text, u" 3984.01");
    ASSERT_TRUE(full.b.has_value());
    EXPECT_EQ(calc::fullValueText(*full.b), "3984.01296410608");
    EXPECT_EQ(calc::betaName(full.t1Kelvin, full.t2Kelvin), "B25/85");

    const calc::Evaluation kelvin = calc::evaluateInFull(u"10000", u"1000", u"298.15", u"373.15", 1);
    ASSERT_TRUE(kelvin.b.has_value());
    EXPECT_EQ(calc::betaName(kelvin.t1Kelvin, kelvin.t2Kelvin), "B25/100");

    for (const calc::Evaluation& message : {calc::evaluateInFull(u"", u"1000", u"25", u"100", 0),
                                             calc::evaluateInFull(u"10000", u"1000", u"25", u"25", 0)}) {
        EXPECT_FALSE(message.b.has_value());
        EXPECT_TRUE(message.text == kFill || message.text == kInvalid);
    }
}
