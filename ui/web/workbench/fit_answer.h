// ntc-beta: the workbench's fit: a pasted table read, checked and fitted as the command line's `fit` does.
#pragma once

#include "models/pasted_table.h"
#include "models/table_fit.h"
#include "ui/web/workbench/json_writer.h"

#include <cstddef>
#include <limits>
#include <optional>

namespace workbench {

struct FitSettings {
    models::FitKind kind = models::FitKind::steinhart;
    double t0Kelvin = 298.15;
    double keptR0 = 0.0; // above 0: the beta fit keeps this R0
    double fromKelvin = -std::numeric_limits<double>::infinity();
    double toKelvin = std::numeric_limits<double>::infinity();
};

// A fit that went through, for the ADC table: the fit and the number of
// rows it went through (the table's comment names it).
struct KeptFit {
    models::TableFit fit;
    std::size_t points = 0;
};

// Writes the members "read", "points", "problems", "refusals" and, where
// the fit goes through, "warnings" and "fit" into the object `json` has
// open. The checks are the command line's, in its order: rows that could
// not be read, temperatures that all look like kelvin, the table's faults
// (models::tableFaults), too few rows within the range, the fit's failure,
// a beta B of 0 or less; then the outliers (models::findOutliers), a B no
// NTC has, a curve that turns back, coefficients no thermistor has, a beta
// fit far worse than a three-term one. The fit, or std::nullopt where it
// was refused.
std::optional<KeptFit> fitAnswer(JsonWriter& json, const models::PastedTable& table, const FitSettings& settings);

} // namespace workbench
