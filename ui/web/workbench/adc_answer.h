// ntc-beta: the workbench's ADC table: a model in a divider, its rows and its output as the command line's `adc`
// writes them.
#pragma once

#include "models/divider.h"
#include "models/firmware_text.h"
#include "models/rt_table.h"
#include "ui/web/workbench/fit_answer.h"
#include "ui/web/workbench/json_writer.h"

#include <optional>
#include <string>

namespace workbench {

enum class AdcModel { fit, beta, steinhart };
enum class AdcFormat { csv, c, marlin };

struct AdcSettings {
    AdcModel model = AdcModel::fit;
    models::BetaModel beta;       // AdcModel::beta
    models::SteinhartHart4 curve; // AdcModel::steinhart
    bool fourTerms = false;
    models::Divider divider;
    models::TableRange range;
    bool everyCount = false;
    AdcFormat format = AdcFormat::csv;
    std::string name = "ntc_adc_table";
    models::TemperatureType cType = models::TemperatureType::tenths;
    bool fahrenheit = false;
};

// The fit an ADC table can come from, with the names its comment gives.
struct FitSource {
    KeptFit kept;
    std::string model, source;
};

// A table made, kept for its output: its settings, rows and model line.
struct AdcOutput {
    AdcSettings settings;
    models::AdcTable table;
    std::string modelLine;
};

// Writes the members "rows" (columns count, celsius, ohms, volts, perCount),
// "merged" and "rails" (their temperatures), "beyondFit" or "betaReach"
// (the command line's warnings on the range), or "error" (noFit,
// fitTurnsBack, outsideModel, noRows) into the open object; the table goes
// to `kept` (reset where there is none) for outputAnswer.
void adcAnswer(JsonWriter& json, const AdcSettings& settings, const std::optional<FitSource>& fit,
               std::optional<AdcOutput>& kept);

// Writes "output" (the text `adc --format` writes for the kept table) or
// "error" (marlinBits, notIdentifier, overflow with "overflow") into the
// open object. Apart from the table, so that the page can show the rows
// first and write a 4096-row file in a task of its own.
void outputAnswer(JsonWriter& json, const AdcOutput& kept);

} // namespace workbench
