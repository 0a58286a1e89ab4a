// Tests of the words a firmware table's header comment states its model
// and circuit in: the circuit's line and the comment's lines, written out by
// hand (the coefficients' form is calc's, tested with the number writer).
#include "models/model_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ModelText, TheCircuitInOneLine)
{
    models::Divider up;
    up.fixedOhms = 4700;
    up.bits = 12;
    EXPECT_EQ(models::circuitLine(up), "Circuit: thermistor to ground, 4700 ohm pull-up to the supply; 12-bit ADC, "
                                       "code = V / Vref * 2^12 rounded, Vref = the supply (ratiometric)");
    models::Divider down;
    down.side = models::ThermistorSide::high;
    down.fixedOhms = 10000;
    down.seriesOhms = 100;
    down.parallelOhms = 1e6;
    down.bits = 10;
    down.fullScale = models::FullScale::powerOfTwoLessOne;
    down.supplyVolts = 5;
    down.referenceVolts = 2.5;
    EXPECT_EQ(models::circuitLine(down),
              "Circuit: thermistor to the supply, 10000 ohm pull-down to ground, 100 ohm in series, 1000000 ohm "
              "across; 10-bit ADC, code = V / Vref * (2^10 - 1) rounded, Vref 2.5 V, supply 5 V");
}

TEST(ModelText, TheCommentsLines)
{
    models::Divider d;
    d.fixedOhms = 4700;
    const auto lines = models::adcTableComment("Model: x", d, models::rangeLine({-40, 125, 5}, models::TableRows::steps), 34);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "NTC thermistor ADC table, ntc-beta-cli " + std::string(models::programVersion()));
    EXPECT_EQ(lines[1], "Model: x");
    EXPECT_EQ(lines[3], "Range: -40 to 125 degC, in steps of 5 K, 34 rows");
    EXPECT_EQ(models::rangeLine({0, 300, 0.5}, models::TableRows::everyCount), "Range: 0 to 300 degC, one row per ADC code");
    EXPECT_EQ(models::rangeLine({0, 300, 5}, models::TableRows::withinError, "0.5"),
              "Range: 0 to 300 degC, rows at the ADC codes that keep interpolation within 0.5 K");
    EXPECT_EQ(models::interpolationLine(0.1234, 2048, 25.456),
              "Linear interpolation between rows, as stored, errs up to 0.123 K (at ADC code 2048, 25.46 degC).");
    EXPECT_EQ(models::settingsComment("Model: x", nullptr).size(), 2u);
    EXPECT_EQ(models::settingsComment("Model: x", &d)[2].substr(0, 24), "Circuit: thermistor to g");
}

} // namespace
