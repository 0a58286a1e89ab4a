// ntc-beta-cli: the thermistor model a command is given, --r25 with --beta or --steinhart A B C.
#pragma once

#include "cli/findings.h"
#include "cli/messages.h"
#include "models/rt_table.h"

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace cli {

// The model options as typed, read only once the command runs.
struct ModelOptions {
    std::string r25, beta;
    std::vector<std::string> steinhart;
};

// Adds --r25, --beta and --steinhart (three values) to `command`, bound to
// `options`, which must outlive it.
void addModelOptions(CLI::App& command, ModelOptions& options, const Messages& m);

// The beta model (R25 in ohms at 25 °C, B in kelvin) or the Steinhart-Hart
// coefficients. Throws UnreadableArgument unless exactly one model is
// given in full and its values read. What checkModel finds goes to `found`;
// std::nullopt when it refused the model.
std::optional<models::ThermistorModel> chosenModel(const ModelOptions& options, const Messages& m, Findings& found);

// The model in words for a table's heading: "beta model: R25 = 10000 ohm,
// B = 3435 K" or "Steinhart-Hart: A = 8.2649517014797e-04, B = ..., C = ...".
std::string modelDescription(const models::ThermistorModel& model);

// A coefficient with 15 significant digits in exponent form, trailing zeros
// of the mantissa dropped: "8.2649517014797e-04".
std::string coefficientText(double value);

} // namespace cli
