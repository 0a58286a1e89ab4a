// ntc-beta: what a table's header cell says of its column, as datasheets and spreadsheets write it.
#include "models/column_header.h"

#include "calc/number_reading.h"

#include <algorithm>
#include <array>
#include <span>

namespace models {

namespace {

constexpr std::array<std::string_view, 4> kTemperatureNames{"temperature", "temp", "t", "温度"};
constexpr std::array<std::string_view, 5> kResistanceNames{"resistance", "r", "rt", "阻值", "电阻"};

bool isOneOf(std::string_view text, std::span<const std::string_view> names)
{
    return std::find(names.begin(), names.end(), text) != names.end();
}

// A header cell cut into its name and its unit: "T (°C)", "R [kΩ]", "T/°C",
// "temperature_c"; `underscore` tells the last form, where a part after '_'
// may be no unit at all ("r_25").
struct NameAndUnit {
    std::string_view name, unit;
    bool underscore = false;
};

NameAndUnit splitHeader(std::string_view cell)
{
    cell = calc::trimBlanks(cell);
    if (const auto open = cell.find_first_of("(["); open != std::string_view::npos) {
        const auto close = cell.find(cell[open] == '(' ? ')' : ']', open);
        if (close != std::string_view::npos && calc::trimBlanks(cell.substr(close + 1)).empty())
            return {calc::trimBlanks(cell.substr(0, open)), calc::trimBlanks(cell.substr(open + 1, close - open - 1))};
    }
    if (const auto slash = cell.find('/'); slash != std::string_view::npos)
        return {calc::trimBlanks(cell.substr(0, slash)), calc::trimBlanks(cell.substr(slash + 1))};
    if (const auto underscore = cell.rfind('_'); underscore != std::string_view::npos)
        return {cell.substr(0, underscore), cell.substr(underscore + 1), true};
    return {cell, {}};
}

std::optional<TemperatureUnit> temperatureUnitOf(std::string_view unit)
{
    const std::string lower = lowerTrimmed(unit);
    if (lower.empty()) return TemperatureUnit::unspecified;
    for (std::string_view c : {"c", "°c", "℃", "degc", "celsius"})
        if (lower == c) return TemperatureUnit::celsius;
    for (std::string_view k : {"k", "kelvin"})
        if (lower == k) return TemperatureUnit::kelvin;
    for (std::string_view f : {"f", "°f", "℉", "degf", "fahrenheit"})
        if (lower == f) return TemperatureUnit::fahrenheit;
    return std::nullopt;
}

bool isOhm(std::string_view unit)
{
    const std::string lower = lowerTrimmed(unit);
    return lower.empty() || lower == "ohm" || lower == "ohms" || lower == "\u03a9" || lower == "\u2126";
}

// The factor a resistance column's unit gives its plain numbers.
std::optional<double> resistanceFactorOf(std::string_view unit)
{
    unit = calc::trimBlanks(unit);
    if (unit.empty() || isOhm(unit)) return 1.0;
    if ((unit[0] == 'k' || unit[0] == 'K') && isOhm(unit.substr(1))) return 1e3;
    if (unit[0] == 'M' && isOhm(unit.substr(1))) return 1e6;
    return std::nullopt;
}

} // namespace

std::string lowerTrimmed(std::string_view text)
{
    std::string lower(calc::trimBlanks(text));
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

namespace {

ColumnUnit unitAs(std::string_view unitText, bool temperature)
{
    ColumnUnit unit;
    unit.temperature = temperature;
    if (temperature) {
        const auto read = temperatureUnitOf(unitText);
        unit.known = read.has_value();
        unit.unit = read.value_or(TemperatureUnit::unspecified);
    } else {
        const auto factor = resistanceFactorOf(unitText);
        unit.known = factor.has_value();
        unit.factor = factor.value_or(1);
    }
    return unit;
}

} // namespace

ColumnUnit headerUnit(std::string_view cell, bool temperature)
{
    return unitAs(splitHeader(cell).unit, temperature);
}

std::optional<ColumnUnit> columnUnit(std::string_view cell)
{
    const NameAndUnit parts = splitHeader(cell);
    const std::string name = lowerTrimmed(parts.name);
    const bool temperature = isOneOf(name, kTemperatureNames);
    if (!temperature && !isOneOf(name, kResistanceNames)) return std::nullopt;
    const ColumnUnit unit = unitAs(parts.unit, temperature);
    // After '_' an unknown part is no unit: "r_25" names no column of ours.
    if (!unit.known && parts.underscore) return std::nullopt;
    return unit;
}

} // namespace models
