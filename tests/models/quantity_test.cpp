// Tests for reading resistances, temperatures and plain numbers: the whole
// text or nothing.
#include "calc/arithmetic.h"
#include "models/quantity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

using models::TemperatureUnit;

struct ResistanceCase {
    std::string text;
    std::optional<double> ohms;
    const char* guards;
};

const ResistanceCase kResistanceCases[] = {
    {"10000", 10000, "plain ohms"},
    {"680", 680, "no prefix"},
    {"10k", 10000, "kilo"},
    {"10K", 10000, "upper-case kilo, as parts lists write it"},
    {"4.7M", 4700000, "mega is scaled before rounding"},
    {"0.1G", 100000000, "giga"},
    {"220m", 0.22, "milli"},
    {"680\u03a9", 680, "Greek capital omega"},
    {"680\u2126", 680, "the ohm sign"},
    {"10k\u03a9", 10000, "prefix and unit"},
    {"10 kohm", 10000, "a blank before the prefix, unit as a word"},
    {"100 Ohms", 100, "plural word in any case"},
    {" 1e4 ", 10000, "exponent form, blanks around"},
    {"1e2k", 100000, "exponent and prefix add up"},
    {"-10k", -10000, "the sign is kept for the ratio"},
    {".5k", 500, "no digit before the period"},
    {"1e-400", std::nullopt, "so small it would read as 0: beyond range like 1e999"},
    {"0e-400", 0, "zero itself is no underflow"},
    {"", std::nullopt, "empty"},
    {"k", std::nullopt, "prefix alone"},
    {"10x", std::nullopt, "unknown unit"},
    {"10kk", std::nullopt, "two prefixes"},
    {"4k7", std::nullopt, "letter as decimal point is not read"},
    {"10,5", std::nullopt, "the comma is no decimal separator"},
    {"10 000", std::nullopt, "no digit grouping"},
    {"1e", std::nullopt, "exponent letter without digits"},
    {"0x10", std::nullopt, "no hexadecimal"},
    {"inf", std::nullopt, "no infinity"},
    {"nan", std::nullopt, "no NaN"},
    {"1e309", std::nullopt, "beyond a double's range"},
    {"1e306G", std::nullopt, "beyond range through the prefix"},
    {"10kohmx", std::nullopt, "trailing text after the unit"},
    {"\u03a910", std::nullopt, "unit before the number"},
};

TEST(ParseResistance, Table)
{
    for (const ResistanceCase& c : kResistanceCases) {
        SCOPED_TRACE(c.guards);
        EXPECT_EQ(models::parseResistance(c.text), c.ohms) << c.text;
    }
}

TEST(ParseResistance, PrefixRoundsOnce)
{
    // 8.11 × 1000 in doubles is 8109.999999999999 and 4.1 × 1e6 is
    // 4099999.9999999995; the prefix shifts the exponent of the text, which
    // is then rounded once.
    EXPECT_EQ(models::parseResistance("8.11k"), 8110.0);
    EXPECT_EQ(models::parseResistance("4.1M"), 4100000.0);
    EXPECT_EQ(models::parseResistance("4.700000001M"), 4700000.001);
}

struct TemperatureCase {
    std::string text;
    bool ok;
    double value;
    TemperatureUnit unit;
    const char* guards;
};

const TemperatureCase kTemperatureCases[] = {
    {"25", true, 25, TemperatureUnit::unspecified, "no unit"},
    {"-40", true, -40, TemperatureUnit::unspecified, "negative"},
    {"25C", true, 25, TemperatureUnit::celsius, "C"},
    {"25c", true, 25, TemperatureUnit::celsius, "lower-case c"},
    {"25\u00b0C", true, 25, TemperatureUnit::celsius, "degree sign and C"},
    {"25 \u00b0C", true, 25, TemperatureUnit::celsius, "a blank before the unit"},
    {"25\u2103", true, 25, TemperatureUnit::celsius, "the degree Celsius sign"},
    {"298.15K", true, 298.15, TemperatureUnit::kelvin, "kelvin"},
    {"298.15\u212a", true, 298.15, TemperatureUnit::kelvin, "the kelvin sign"},
    {"298.15k", false, 0, TemperatureUnit::unspecified, "a lower-case k is kilo, not kelvin"},
    {"77F", true, 77, TemperatureUnit::fahrenheit, "Fahrenheit"},
    {"77\u00b0F", true, 77, TemperatureUnit::fahrenheit, "degree sign and F"},
    {"25\u00b0", false, 0, TemperatureUnit::unspecified, "a degree sign alone names no scale"},
    {"25 deg", false, 0, TemperatureUnit::unspecified, "unknown unit"},
    {"25CC", false, 0, TemperatureUnit::unspecified, "unit twice"},
    {"\u00b0C", false, 0, TemperatureUnit::unspecified, "unit alone"},
    {"25,5", false, 0, TemperatureUnit::unspecified, "comma"},
    {"2 5", false, 0, TemperatureUnit::unspecified, "blank inside the number"},
    {"1e999", false, 0, TemperatureUnit::unspecified, "beyond range"},
};

TEST(ParseTemperature, Table)
{
    for (const TemperatureCase& c : kTemperatureCases) {
        SCOPED_TRACE(c.guards);
        const auto read = models::parseTemperature(c.text);
        ASSERT_EQ(read.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(read->value, c.value);
        EXPECT_EQ(read->unit, c.unit);
    }
}

TEST(BeyondDoubleRange, TellsRangeFromForm)
{
    for (const char* text : {"1e999", "-1e400", "1e306G", "2e308 ohm", "1e999\u00b0C", "1e309K", "1e-999", "-1e-400k"})
        EXPECT_TRUE(models::beyondDoubleRange(text)) << text;
    for (const char* text : {"1e308", "1e-320", "0e-999", "10x", "1e999x", "", "k", "1e299G"})
        EXPECT_FALSE(models::beyondDoubleRange(text)) << text;
}

TEST(KiloOnTemperature, OnlyALowerCaseKAfterANumber)
{
    for (const char* text : {"1k", "25 k", "-3.5e1k"}) EXPECT_TRUE(models::kiloOnTemperature(text)) << text;
    for (const char* text : {"1K", "k", "1kk", "1 kohm", "25"}) EXPECT_FALSE(models::kiloOnTemperature(text)) << text;
}

TEST(ResistorMarking, SpelledAsTheReadersTakeIt)
{
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"4k7", "4.7k"}, {"4R7", "4.7"}, {"R47", "0.47"}, {"2M2", "2.2M"}, {" 1K5 ", "1.5K"},
        {"10k", std::nullopt}, {"4.7k", std::nullopt}, {"4k7x", std::nullopt}, {"k7", "0.7k"}, {"47R", std::nullopt},
    };
    for (const auto& [text, spelled] : cases) EXPECT_EQ(models::resistorMarking(text), spelled) << text;
}

TEST(FahrenheitToCelsius, ExactWhereTheScalesMeet)
{
    EXPECT_EQ(models::fahrenheitToCelsius(77), 25.0);
    EXPECT_EQ(models::fahrenheitToCelsius(185), 85.0);
    EXPECT_EQ(models::fahrenheitToCelsius(-40), -40.0);
    EXPECT_EQ(models::fahrenheitToCelsius(32), 0.0);
    EXPECT_THROW(models::fahrenheitToCelsius(1e308), calc::NumericFailure);
}

// Kelvin read as °C: values that end in .15 where thermistors are used.
TEST(LooksLikeKelvin, EndsIn15WhereThermistorsAreUsed)
{
    const struct {
        double value;
        bool kelvin;
    } values[] = {{298.15, true}, {273.15, true}, {173.15, true}, {773.15, true}, {233.15, true},
                  {25, false},    {298.1, false}, {298.16, false}, {173.14, false}, {773.16, false},
                  {800.15, false}, {-25.15, false}, {25.15, false}};
    for (const auto& v : values) EXPECT_EQ(models::looksLikeKelvin(v.value), v.kelvin) << v.value;
}

} // namespace
