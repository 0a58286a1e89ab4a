// ntc-beta: the workbench's ADC table: a model in a divider, its rows and its output as the command line's `adc`
// writes them.
#pragma once

#include "models/divider.h"
#include "models/firmware_text.h"
#include "models/rt_table.h"
#include "models/table_size.h"
#include "ui/web/workbench/fit_answer.h"
#include "ui/web/workbench/json_writer.h"

#include <optional>
#include <string>
#include <utility>

namespace workbench {

enum class AdcModel { fit, beta, steinhart };
enum class AdcFormat { csv, c, marlin, klipper, reprap, esphome };

struct AdcSettings {
    AdcModel model = AdcModel::fit;
    models::BetaModel beta;       // AdcModel::beta
    models::SteinhartHart4 curve; // AdcModel::steinhart
    bool fourTerms = false;
    models::Divider divider;
    models::TableRange range;
    bool everyCount = false;
    std::string maxErrorText; // the interpolation bound as typed, in kelvin; empty: none
    double maxErrorKelvin = 0;
    AdcFormat format = AdcFormat::csv;
    std::string name; // empty: the format's usual one
    models::TemperatureType cType = models::TemperatureType::tenths;
    bool fahrenheit = false;
};

// The fit an ADC table can come from, with the names its comment gives.
struct FitSource {
    KeptFit kept;
    std::string model, source;
};

// A table made, kept for its output: its settings and rows, the model and
// its comment line, the fitted table's range (°C) where the model is a fit,
// and the error of interpolating between its rows as stored.
struct AdcOutput {
    AdcSettings settings;
    models::AdcTable table;
    models::ThermistorModel model;
    std::string modelLine, rangeLine;
    std::optional<std::pair<double, double>> fitRangeCelsius;
    std::optional<models::InterpolationError> interpolation;
};

// The model the settings give: the fit (which must have gone through and
// not turn back within its table: std::nullopt, why on `json` as "error"),
// a beta model or coefficients; with its comment line and, for a fit, its
// table's range in °C.
struct ChosenModel {
    models::ThermistorModel model;
    std::string line;
    std::optional<std::pair<double, double>> fitRangeCelsius;
};
std::optional<ChosenModel> modelOf(JsonWriter& json, const AdcSettings& settings, const std::optional<FitSource>& fit);

// Writes the members "rows" (columns count, celsius, ohms, volts, perCount),
// "merged" and "rails" (their temperatures), "beyondFit" or "betaReach"
// (the command line's warnings on the range), or "error" (noFit,
// fitTurnsBack, outsideModel, noRows, maxErrorTooFine) into the open
// object; the table goes to `kept` (reset where there is none) for
// outputAnswer. With a bound on the interpolation error the rows are the
// fewest codes within it (models::fewestRows), as `adc --max-error` gives.
void adcAnswer(JsonWriter& json, const AdcSettings& settings, const std::optional<FitSource>& fit,
               std::optional<AdcOutput>& kept);

// Writes "interpolation" (the largest error of interpolating between the
// kept table's rows as stored: kelvin, atCount, atCelsius as the command
// line words them) where the table has two rows or more; it goes through
// every code, so the page asks for it in a task of its own.
void interpolationAnswer(JsonWriter& json, AdcOutput& kept);

// Writes "output" (the text `adc --format` writes for the kept table: the
// table as CSV, C or Marlin's, or the model as Klipper's, RepRapFirmware's
// or ESPHome's settings) or "error" (marlinBits, notIdentifier,
// notFirmwareName, noRange, circuit with "feature", overflow with
// "overflow"), and the settings' warnings ("standIn", "klipperBeta") into
// the open object. Apart from the table, so that the page can show the rows
// first and write a 4096-row file in a task of its own.
void outputAnswer(JsonWriter& json, AdcOutput& kept);

} // namespace workbench
