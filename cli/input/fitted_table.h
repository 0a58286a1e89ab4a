// ntc-beta-cli: a model fitted through an R/T table file once the table has been checked, as `fit` and --fit take it.
#pragma once

#include "cli/input/spreadsheet.h"
#include "cli/messages/findings.h"
#include "models/table_fit.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// What to fit, through which file, read how.
struct FitSettings {
    std::string file;
    std::string model = "steinhart"; // steinhart, steinhart4 or beta
    double t0Kelvin = 298.15;
    double keptR0 = 0.0; // above 0: the beta fit keeps this R0 (ohms) and fits B alone
    double fromKelvin = -std::numeric_limits<double>::infinity();
    double toKelvin = std::numeric_limits<double>::infinity();
    bool kelvin = false; // the table's temperatures without a unit are kelvin
    SpreadsheetStyle style;
};

models::FitKind fitKindOf(const std::string& model);

// Whether the fit is for values (fit, temperature, resistance) or for a
// table firmware will hold (table, adc): a curve that turns back within the
// table is then refused, not only warned about.
enum class FitUse { values, table };

struct FileFit {
    models::TableFit fit;
    std::vector<models::TablePoint> points; // every row of the table
    std::vector<models::TablePoint> fitted; // the rows within --from .. --to, which the fit went through
};

// Reads the table (readRtFile), checks it and fits it: refused (std::nullopt,
// why on `found`, each row by its line) when a row is, when every
// temperature without a unit ends in .15 as kelvin do (unless `kelvin`),
// when a temperature repeats or the resistance does not fall as the
// temperature rises (models::tableFaults), when the range leaves too few
// rows, when the fit fails or gives a beta B of 0 or less, and for a table
// when the curve turns back. Warned about on `found`: the rows far off the
// curve through the others (models::findOutliers), a B outside the NTC range
// (the beta fit's, or the table's from its coldest to its hottest row), and
// what warnAboutFit finds. Throws UnreadableArgument as readRtFile does.
std::optional<FileFit> fitFile(Session& s, const FitSettings& settings, FitUse use, Findings& found);

} // namespace cli
