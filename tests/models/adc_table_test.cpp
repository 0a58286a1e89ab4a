// Tests for the ADC tables: the resolution worked out by hand, Marlin's
// published table for the Semitec 104GT-2 with its stated 4.7 kΩ pull-up and
// 10-bit counts (Marlin/src/module/thermistor/thermistor_5.h), rows merged
// or on the rails.
#include "models/adc_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using models::Divider;
using models::ThermistorSide;

constexpr double kNone = std::numeric_limits<double>::infinity();

// R25 = 10 kΩ, B = 3950 K against a 10 kΩ pull-up at 25 °C, 12 bits:
// dR/dT = −R·B/T² = −444.352 Ω/K, dcount/dR = 4096 · 10000 / 20000² = 0.1024,
// so 1 / 45.502 = 0.0219772 °C per count.
TEST(AdcTable, ResolutionWorkedOutByHand)
{
    const Divider divider{ThermistorSide::low, 10000, 0, kNone, 12};
    const double at25[] = {25.0};
    const auto table = models::adcTableAt(models::BetaModel{10000, 3950}, divider, at25);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].count, 2048u);
    EXPECT_NEAR(table.rows[0].celsiusPerCount, 0.0219772, 1e-7);
    EXPECT_NEAR(table.rows[0].volts, 1.65, 1e-12);
}

// Marlin's temptable_5 (Semitec 104GT-2, 4.7 kΩ pull-up, 10 bits), from the
// leaflet's resistances. All 31 of its rows are round(1023 · R / (R + 4700));
// the converter's scale is 1024 (the AVR's ADC = Vin · 1024 / Vref, and
// Marlin's own createTemperatureLookupMarlin.py and PtAdVal use 1024), so
// eleven rows come out one count higher here: the marked ones.
TEST(AdcTable, MarlinsSemitecTableWithItsScaleCorrected)
{
    const struct {
        double celsius, ohms;
        unsigned marlin, here;
    } rows[] = {
        {300, 80.65, 17, 17},    {250, 174.0, 37, 37},  {200, 439.3, 87, 88},   {150, 1360, 230, 230},
        {140, 1758, 278, 279},   {100, 5556, 554, 555}, {90, 7686, 635, 635},   {80, 10800, 713, 713},
        {70, 15440, 784, 785},   {60, 22510, 846, 847}, {50, 33490, 897, 898},  {40, 50960, 937, 938},
        {30, 79360, 966, 967},   {20, 126800, 986, 987}, {10, 208600, 1000, 1001}, {0, 353700, 1010, 1011},
    };
    const Divider marlin{ThermistorSide::low, 4700, 0, kNone, 10, 5.0};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.celsius);
        EXPECT_EQ(std::lround(1023 * r.ohms / (r.ohms + 4700)), long(r.marlin));
        EXPECT_EQ(models::adcCount(marlin, r.ohms), r.here);
    }
}

TEST(AdcTable, OneRowPerCountAndNoneOnTheRails)
{
    // 0.1 K steps are far finer than a 6-bit converter resolves: rows merge.
    const Divider divider{ThermistorSide::low, 10000, 0, kNone, 6};
    std::vector<double> celsius;
    for (int i = -600; i <= 1500; ++i) celsius.push_back(i / 10.0);
    const auto table = models::adcTableAt(models::BetaModel{10000, 3435}, divider, celsius);
    EXPECT_GT(table.mergedRows, 0u);
    EXPECT_GT(table.railRows, 0u);
    for (std::size_t i = 1; i < table.rows.size(); ++i) EXPECT_LT(table.rows[i - 1].count, table.rows[i].count);
    EXPECT_EQ(table.rows.size() + table.mergedRows + table.railRows, celsius.size());
    for (const auto& row : table.rows) EXPECT_TRUE(row.count > 0 && row.count < 63);
    const auto perCount = models::adcTablePerCount(models::BetaModel{10000, 3435}, divider, -60, 150);
    // Every code between the ends once, the code's own temperature within the range.
    ASSERT_FALSE(perCount.rows.empty());
    EXPECT_EQ(perCount.rows.size(), perCount.rows.back().count - perCount.rows.front().count + 1);
    EXPECT_LE(table.rows.size() - perCount.rows.size(), 1u);
}

TEST(AdcTable, RowsLeftOutAreNamedByTemperature)
{
    const models::Divider divider{models::ThermistorSide::low, 10000, 0, std::numeric_limits<double>::infinity(), 4};
    const std::vector<double> celsius{-60, 25, 25.1, 200};
    const auto table = models::adcTableAt(models::BetaModel{10000, 3435}, divider, celsius);
    // 4 bits, 16 · R / (R + 10 kΩ) by hand: -60 °C reads 15.8 (the top rail),
    // 200 °C 0.22 (the bottom one);
    // 25 and 25.1 °C share code 8.
    EXPECT_EQ(table.railCelsius, (std::vector<double>{200, -60}));
    ASSERT_EQ(table.mergedCelsius.size(), 1u);
    EXPECT_TRUE(table.mergedCelsius[0] == 25 || table.mergedCelsius[0] == 25.1);
}

} // namespace
