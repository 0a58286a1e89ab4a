// Tests for the divider, the ADC tables and their texts: counts worked out by
// hand, and Marlin's published table for the Semitec 104GT-2 with its stated
// 4.7 kΩ pull-up and 10-bit counts (Marlin/src/module/thermistor/thermistor_5.h).
#include "models/adc_table.h"
#include "models/firmware_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using models::Divider;
using models::ThermistorSide;

constexpr double kNone = std::numeric_limits<double>::infinity();

struct HandCount {
    Divider divider;
    double ohms;
    double exact; // by hand
    unsigned count;
};

const HandCount kHand[] = {
    // 1024 · 10000 / 14700
    {{ThermistorSide::low, 4700, 0, kNone, 10}, 10000, 696.59864, 697},
    // thermistor high, 10 kΩ pull-down: 4096 · 10000 / 20000
    {{ThermistorSide::high, 10000, 0, kNone, 12}, 10000, 2048, 2048},
    // 1 kΩ in series: 9 kΩ + 1 kΩ against 10 kΩ
    {{ThermistorSide::low, 10000, 1000, kNone, 12}, 9000, 2048, 2048},
    // 20 kΩ across 20 kΩ is 10 kΩ: half of 1024
    {{ThermistorSide::low, 10000, 0, 20000, 10}, 20000, 512, 512},
    // 5 V supply, 2.5 V reference: 5 · 2500/12500 = 1 V, 1/2.5 · 4096
    {{ThermistorSide::low, 10000, 0, kNone, 12, 5.0, 2.5}, 2500, 1638.4, 1638},
    // beyond the reference: held at the top code
    {{ThermistorSide::low, 10000, 0, kNone, 12, 5.0, 2.5}, 10000, 4096, 4095},
};

TEST(Divider, CountsWorkedOutByHand)
{
    for (const HandCount& c : kHand) {
        EXPECT_NEAR(models::exactCount(c.divider, c.ohms), c.exact, 1e-5);
        EXPECT_EQ(models::adcCount(c.divider, c.ohms), c.count);
        if (c.count == c.exact) {
            EXPECT_NEAR(models::thermistorOhmsAtCount(c.divider, c.count), c.ohms, 1e-9 * c.ohms);
        }
    }
    EXPECT_TRUE(std::isnan(models::thermistorOhmsAtCount(kHand[0].divider, 0)));
    EXPECT_TRUE(std::isnan(models::thermistorOhmsAtCount(kHand[3].divider, 1000))); // beyond what 20 kΩ across allows
}

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

TEST(FirmwareText, CIdentifiers)
{
    for (const char* good : {"ntc_adc_table", "t1", "_table", "Table9"}) EXPECT_TRUE(models::isCIdentifier(good)) << good;
    for (const char* bad : {"", "9t", "int", "static", "__x", "_X", "ntc-table", "tab le"})
        EXPECT_FALSE(models::isCIdentifier(bad)) << bad;
}

TEST(FirmwareText, TypesHoldTheirValuesOrRefuse)
{
    models::AdcTable table;
    table.rows.push_back({23, 23.1, 350.04, 80, 0.1, 2.0});
    models::CTableStyle style;
    style.identifier = "hot_end";
    style.temperature = models::TemperatureType::tenths;
    const std::string c = models::adcTableC(table, style);
    EXPECT_NE(c.find("struct hot_end_row {\n    uint16_t adc;\n    int16_t temperature_c_x10;\n};"), std::string::npos) << c;
    EXPECT_NE(c.find("{ 23, 3500 }"), std::string::npos) << c;
    style.temperature = models::TemperatureType::hundredths; // 35004 > 32767
    EXPECT_THROW(models::adcTableC(table, style), models::TableOverflow);
    EXPECT_EQ(models::adcTableMarlin(table, 10, "temptable_998", {"note"}),
              "// note\n#pragma once\n\nconstexpr temp_entry_t temptable_998[] PROGMEM = {\n  { OV(  23), 350 }\n};\n");
    EXPECT_THROW(models::adcTableMarlin(table, 12, "t", {}), models::TableOverflow);
}

} // namespace
