// Tests of what a header cell says of its column: names and units as
// datasheets and spreadsheets write them, and the comparison of names.
#include "models/column_header.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using models::TemperatureUnit;

struct HeaderCase {
    const char* cell;
    std::optional<models::ColumnUnit> unit; // std::nullopt: names neither column
};

models::ColumnUnit temperatureIn(TemperatureUnit unit) { return {true, unit, 1, true}; }
models::ColumnUnit resistanceTimes(double factor) { return {false, TemperatureUnit::unspecified, factor, true}; }
models::ColumnUnit unknown(bool temperature) { return {temperature, TemperatureUnit::unspecified, 1, false}; }

const HeaderCase kHeaders[] = {
    {"temperature_c", temperatureIn(TemperatureUnit::celsius)},
    {"Temperature_K", temperatureIn(TemperatureUnit::kelvin)},
    {"T(°C)", temperatureIn(TemperatureUnit::celsius)},
    {"Temp [°C]", temperatureIn(TemperatureUnit::celsius)},
    {"T / °C", temperatureIn(TemperatureUnit::celsius)},
    {"t (\u2103)", temperatureIn(TemperatureUnit::celsius)},
    {"T(K)", temperatureIn(TemperatureUnit::kelvin)},
    {"T(°F)", temperatureIn(TemperatureUnit::fahrenheit)},
    {" temperature ", temperatureIn(TemperatureUnit::unspecified)},
    {"温度(℃)", temperatureIn(TemperatureUnit::celsius)},
    {"resistance_ohm", resistanceTimes(1)},
    {"resistance_kohm", resistanceTimes(1000)},
    {"R(kΩ)", resistanceTimes(1000)},
    {"R [Ohm]", resistanceTimes(1)},
    {"R (KOhm)", resistanceTimes(1000)},
    {"R(MΩ)", resistanceTimes(1e6)},
    {"Rt(\u2126)", resistanceTimes(1)},
    {"阻值(kΩ)", resistanceTimes(1000)},
    {"R(mV)", unknown(false)},
    {"T(mV)", unknown(true)},
    {"r_25", std::nullopt},
    {"r1", std::nullopt},
    {"part", std::nullopt},
    {"Temperatur", std::nullopt},
};

TEST(ColumnHeader, ColumnNamesAsDatasheetsWriteThem)
{
    for (const HeaderCase& c : kHeaders) {
        SCOPED_TRACE(c.cell);
        const auto unit = models::columnUnit(c.cell);
        ASSERT_EQ(unit.has_value(), c.unit.has_value());
        if (!unit) continue;
        EXPECT_EQ(unit->temperature, c.unit->temperature);
        EXPECT_EQ(unit->unit, c.unit->unit);
        EXPECT_EQ(unit->factor, c.unit->factor);
        EXPECT_EQ(unit->known, c.unit->known);
    }
}

// Names compare lower-cased without the blanks and tabs around them; a
// carriage return or a blank inside is part of the name.
TEST(ColumnHeader, NamesCompareLowerCasedWithoutBlanksAround)
{
    const struct {
        const char* text;
        const char* compared;
    } cases[] = {
        {"  Temp\t", "temp"},
        {"\tGB18030 ", "gb18030"},
        {"R(kΩ)", "r(kΩ)"},
        {"Part No", "part no"},
        {" \t ", ""},
        {"\rT", "\rt"},
    };
    for (const auto& c : cases) EXPECT_EQ(models::lowerTrimmed(c.text), c.compared) << c.text;
}

} // namespace
