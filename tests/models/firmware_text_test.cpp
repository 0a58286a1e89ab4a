// Tests for the tables as firmware and spreadsheets take them: C names, the
// ranges of the stored types, include guards.
#include "models/firmware_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

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

TEST(FirmwareText, CHeadersHaveAnIncludeGuard)
{
    models::AdcTable table;
    table.rows.push_back({23, 23.1, 350.04, 80, 0.1, 2.0});
    models::CTableStyle style;
    style.identifier = "hot_end";
    const std::string c = models::adcTableC(table, style);
    EXPECT_NE(c.find("#ifndef HOT_END_H\n#define HOT_END_H\n"), std::string::npos) << c;
    EXPECT_TRUE(c.ends_with("};\n\n#endif /* HOT_END_H */\n")) << c;
    style.identifier = "_table";
    EXPECT_NE(models::adcTableC(table, style).find("#ifndef TABLE_H\n"), std::string::npos);
}

} // namespace
