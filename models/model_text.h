// ntc-beta: a model, a circuit and a table's range in the words a firmware table's header comment states them.
#pragma once

#include "models/beta_reference.h"
#include "models/divider.h"
#include "models/rt_table.h"
#include "models/steinhart_hart4.h"
#include "models/table_fit.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace models {

// The program's version ("1.00"), as the tables' first comment line names it.
std::string_view programVersion();

// "A = 8.2649517014797e-04, B = ..., C = ..." and, with `withD`,
// ", D = ... (ln R)^2", each coefficient as calc::coefficientText writes it.
std::string curveText(const SteinhartHart4& curve, bool withD);

// "Model: beta, R0 = 10000 ohm at 25 degC, B25/85 = 3435 K" (plain "B" where
// the pair is not known).
std::string betaModelLine(const BetaReference& reference);

// "Model: Steinhart-Hart, A = ..., B = ..., C = ..." (and D for four terms).
std::string curveModelLine(const SteinhartHart4& curve, bool withD);

// "Model: steinhart least-squares fit of murata.csv (34 points, max error
// 0.0123 K): A = ..., B = ..., C = ..."; `model` is the fit's name
// (steinhart, steinhart4, beta), `source` the table's.
std::string fitModelLine(std::string_view model, std::string_view source, std::size_t points, const TableFit& fit);

// "Circuit: thermistor to ground, 4700 ohm pull-up to the supply; 12-bit
// ADC, code = V / Vref * 2^12 rounded, Vref = the supply (ratiometric)".
std::string circuitLine(const Divider& divider);

// How an ADC table's rows are placed: a row every step, one per ADC code,
// or the fewest codes that keep interpolation within a bound.
enum class TableRows { steps, everyCount, withinError };

// "Range: -40 to 125 degC, in steps of 5 K", "..., one row per ADC code" or
// "..., rows at the ADC codes that keep interpolation within 0.5 K", the
// bound as typed (`boundText`).
std::string rangeLine(const TableRange& range, TableRows rows, std::string_view boundText = {});

// "Linear interpolation between rows, as stored, errs up to 0.123 K (at ADC
// code 2048, 25.5 degC)."
std::string interpolationLine(double kelvin, std::uint32_t atCount, double atCelsius);

// The comment lines of an ADC table: the program and its version, the
// model line, the circuit, the range with the number of rows.
std::vector<std::string> adcTableComment(std::string modelLine, const Divider& divider, std::string rangeText,
                                         std::size_t rows);

// The comment lines of a firmware's settings: the program and its version,
// the model line, the circuit where one is known.
std::vector<std::string> settingsComment(std::string modelLine, const Divider* divider);

} // namespace models
