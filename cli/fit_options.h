// ntc-beta-cli: a model fitted through an R/T table file, as `fit` and `adc --fit` take it.
#pragma once

#include "cli/command.h"
#include "cli/spreadsheet.h"
#include "models/table_fit.h"

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace cli {

struct FitOptions {
    std::string model = "steinhart";
    std::string t0 = "25";
    SpreadsheetOptions sheet;
};

// Adds --model, the spreadsheet options for reading and, when `withT0`,
// --t0, bound to `options`, which must outlive `command`.
void addFitOptions(CLI::App& command, FitOptions& options, bool withT0, const FirmwareMessages& f);

struct FileFit {
    models::TableFit fit;
    std::vector<models::TablePoint> points;
    SpreadsheetStyle style;
};

// Reads the table (readRtTable, its warnings to `found`) and fits the chosen
// model through it. Throws as readRtTable does, UnreadableArgument for an option it cannot
// read, std::runtime_error when the table has fewer distinct temperatures
// than the model needs, models::ModelFailure when the fit fails.
FileFit fitFromFile(Session& s, const std::string& file, const FitOptions& options, Findings& found);

// Warnings added to `found`: a curve that turns back within the table, a
// three-term fit whose coefficients no thermistor has (checkCoefficients),
// and a beta fit that a Steinhart-Hart fit of the same table beats by far.
void warnAboutFit(const Messages& m, const models::TableFit& fit, const std::vector<models::TablePoint>& points,
                  Findings& found);

} // namespace cli
