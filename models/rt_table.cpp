// ntc-beta: resistance/temperature tables from either thermistor model.
#include "models/rt_table.h"

#include "calc/b_value.h"

#include <cmath>

namespace models {

double resistanceAt(const ThermistorModel& model, double kelvin)
{
    return std::visit([kelvin](const auto& m) { return resistanceAt(m, kelvin); }, model);
}

double temperatureAt(const ThermistorModel& model, double ohms)
{
    return std::visit([ohms](const auto& m) { return temperatureAt(m, ohms); }, model);
}

double alphaAt(const ThermistorModel& model, double kelvin)
{
    return std::visit([kelvin](const auto& m) { return alphaAt(m, kelvin); }, model);
}

std::size_t tableRowCount(const TableRange& range)
{
    if (!std::isfinite(range.fromCelsius) || !std::isfinite(range.toCelsius) || !std::isfinite(range.step))
        return 0;
    if (!(range.step > 0) || range.fromCelsius > range.toCelsius) return 0;
    // A step that lands on `to` up to rounding still takes it in.
    const double steps = std::floor((range.toCelsius - range.fromCelsius) / range.step * (1 + 1e-12) + 1e-9);
    if (!(steps < double(kMaxTableRows))) return 0;
    return std::size_t(steps) + 1;
}

std::vector<double> tableTemperatures(const TableRange& range)
{
    const std::size_t count = tableRowCount(range);
    std::vector<double> temperatures;
    temperatures.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double celsius = range.fromCelsius + double(i) * range.step;
        temperatures.push_back(std::fabs(celsius) < range.step * 1e-9 ? 0.0 : celsius);
    }
    return temperatures;
}

TableRow tableRow(const ThermistorModel& model, double celsius)
{
    const double kelvin = celsius + calc::kCelsiusOffset;
    return TableRow{celsius, resistanceAt(model, kelvin), alphaAt(model, kelvin)};
}

} // namespace models
