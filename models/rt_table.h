// ntc-beta: resistance/temperature tables from either thermistor model.
#pragma once

#include "models/steinhart_hart.h"
#include "models/steinhart_hart4.h"
#include "models/thermistor.h"

#include <cstddef>
#include <variant>
#include <vector>

namespace models {

// Any of the models: a beta model, a three-term Steinhart–Hart set as
// typed, or a four-term curve (typed or fitted).
using ThermistorModel = std::variant<BetaModel, SteinhartHart, SteinhartHart4>;

// R(T) in ohms, T(R) in kelvin and α in %/K of whichever model is held;
// they throw as the model's own functions do.
double resistanceAt(const ThermistorModel& model, double kelvin);
double temperatureAt(const ThermistorModel& model, double ohms);
double alphaAt(const ThermistorModel& model, double kelvin);

// One row of a table: the temperature in °C, the resistance in ohms and
// α = (1/R)(dR/dT) in %/K.
struct TableRow {
    double celsius = 0.0;
    double ohms = 0.0;
    double alphaPercentPerKelvin = 0.0;
};

// The temperatures from `fromCelsius` up to `toCelsius` in steps of `step`
// kelvin, both ends included when the step lands on them (from + i·step,
// never a running sum, so no drift; a value within a billionth of a step of
// 0 is written as 0). At most kMaxTableRows.
struct TableRange {
    double fromCelsius = -40;
    double toCelsius = 125;
    double step = 5;
};

inline constexpr std::size_t kMaxTableRows = 100'000;

// The number of rows a range gives, or 0 when the range is no range:
// a step that is not > 0, from > to, a value that is not finite, or more
// than kMaxTableRows rows.
std::size_t tableRowCount(const TableRange& range);

// The table's temperatures in °C, in order; empty when tableRowCount is 0.
std::vector<double> tableTemperatures(const TableRange& range);

// One row at a temperature in °C. Throws ModelFailure as the model does
// (belowAbsoluteZero for a temperature below −273.15 °C, ...).
TableRow tableRow(const ThermistorModel& model, double celsius);

} // namespace models
