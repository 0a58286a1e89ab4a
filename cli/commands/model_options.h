// ntc-beta-cli: the one set of model options every command that uses a model takes: a beta model typed (--r25 or
// --r0 with --t0, --beta), Steinhart-Hart coefficients typed (--steinhart, --steinhart4), or a fit of a table (--fit).
#pragma once

#include "cli/commands/command.h"
#include "cli/input/spreadsheet.h"
#include "cli/messages/findings.h"
#include "models/beta_reference.h"
#include "models/model_text.h"
#include "models/rt_table.h"
#include "models/table_fit.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// The model options as typed, read only once the command runs.
struct ModelOptions {
    std::string r25, r0, t0, beta, betaPair;
    std::vector<std::string> steinhart, steinhart4;
    std::string fit, model = "steinhart";
    SpreadsheetOptions sheet;
};

// How many values --steinhart takes: three where readings follow on the
// command line (temperature, resistance: a fourth would be read as one of
// them), three or four where none do (table, adc).
enum class SteinhartValues { three, threeOrFour };

// Adds the model options under the help's model group and the table file's
// reading options under theirs, bound to `options` (which must outlive the
// command).
void addModelOptions(std::vector<OptionSpec>& commandOptions, ModelOptions& options, const Messages& m,
                     SteinhartValues steinhart);

// --model (steinhart, steinhart4 or beta) bound to `model`.
OptionSpec modelChoice(std::string& model, const Messages& m);

// The model the options give, with what a table says of it.
struct ChosenModel {
    models::ThermistorModel model;
    // "Model: beta, R0 = 10000 ohm at 25 degC, B25/85 = 3435 K": the line a
    // C header's comment states it in (ASCII).
    std::string description;
    std::optional<models::BetaReference> beta; // a beta model typed: its anchors
    std::optional<models::TableFit> fit;       // a fit: its range and errors
};

// Whether the model is for values or for a table firmware will hold (a
// fitted curve that turns back is then refused).
enum class ModelUse { values, table };

// The model, its checks' findings on `found` (a table's rows by their
// line); std::nullopt when they refused it. Temperatures without a unit
// (--t0, a table's) are kelvin when `kelvin`. Throws UnreadableArgument
// unless exactly one model is given in full and its values read.
std::optional<ChosenModel> chosenModel(Session& s, const ModelOptions& options, bool kelvin, ModelUse use,
                                       Findings& found);

// Warns when the model is used beyond what it was made from: a range (°C)
// beyond the fitted table, or a typed beta model used more than
// models::kBetaReachKelvin beyond its anchors.
void warnBeyondModel(const Messages& m, const ChosenModel& chosen, double fromCelsius, double toCelsius,
                     Findings& found);

// The range a firmware's settings are written for: the fitted table's, or
// `fromCelsius` .. `toCelsius` for a model typed.
std::pair<double, double> modelRangeCelsius(const ChosenModel& chosen, double fromCelsius, double toCelsius);

// For commands whose readings follow the options: throws UnreadableArgument
// when --steinhart was given and a reading is a plain number in exponent
// form below 0.01 in size, no resistance or temperature but the fourth
// coefficient a four-term fit prints ("3.88e-06"), so that four numbers
// after --steinhart are never read as three and a reading.
void refuseFourthCoefficient(const Messages& m, const ModelOptions& options, const std::vector<std::string>& readings);

// The model in words for an R/T table's heading: "beta model: R25 = 10000
// ohm, B = 3435 K" (R0 at T0 when T0 is not 25 °C) or "Steinhart-Hart: A =
// 8.2649517014797e-04, B = ..., C = ..." (and D for four terms).
std::string modelDescription(const models::ThermistorModel& model);

} // namespace cli
