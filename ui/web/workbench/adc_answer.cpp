// ntc-beta: the workbench's ADC table: a model in a divider, its rows and its output as the command line's `adc`
// writes them.
#include "ui/web/workbench/adc_answer.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "models/adc_table.h"
#include "models/beta_reference.h"
#include "models/firmware_config.h"
#include "models/model_text.h"

#include <cmath>

namespace workbench {

namespace {

struct Chosen {
    models::ThermistorModel model;
    std::string line; // the comment's model line
    std::optional<models::BetaReference> beta;
    std::optional<models::TableFit> fit;
};

Chosen chosenModel(const AdcSettings& s, const std::optional<FitSource>& fit)
{
    if (s.model == AdcModel::fit) {
        const models::TableFit& f = fit->kept.fit;
        Chosen c{f.curve, models::fitModelLine(fit->model, fit->source, fit->kept.points, f), std::nullopt, f};
        if (f.kind == models::FitKind::beta) {
            c.model = f.beta;
            c.beta = models::BetaReference{f.beta};
        }
        return c;
    }
    if (s.model == AdcModel::beta) {
        const models::BetaReference ref{s.beta};
        return {ref.model, models::betaModelLine(ref), ref, std::nullopt};
    }
    if (s.fourTerms) return {s.curve, models::curveModelLine(s.curve, true), std::nullopt, std::nullopt};
    const models::SteinhartHart three{s.curve.a, s.curve.b, s.curve.c};
    return {three, models::curveModelLine(s.curve, false), std::nullopt, std::nullopt};
}

void writeCelsiusList(JsonWriter& json, std::string_view name, const std::vector<double>& celsius)
{
    json.key(name).beginArray();
    for (const double c : celsius) json.value(calc::decimalsText(c, 2));
    json.endArray();
}

void writeRows(JsonWriter& json, const models::AdcTable& table)
{
    const auto column = [&](std::string_view name, auto member) {
        json.key(name).beginArray();
        for (const models::AdcRow& row : table.rows) json.value(static_cast<double>(row.*member));
        json.endArray();
    };
    json.key("rows").beginObject();
    column("count", &models::AdcRow::count);
    column("celsius", &models::AdcRow::celsius);
    column("ohms", &models::AdcRow::ohms);
    column("volts", &models::AdcRow::volts);
    column("perCount", &models::AdcRow::celsiusPerCount);
    json.endObject();
    writeCelsiusList(json, "merged", table.mergedCelsius);
    writeCelsiusList(json, "rails", table.railCelsius);
}

// The command line's warnings on the range: beyond the fitted table, or a
// beta model far beyond its anchors.
void writeRangeWarnings(JsonWriter& json, const AdcSettings& s, const Chosen& c)
{
    const double from = s.range.fromCelsius + calc::kCelsiusOffset, to = s.range.toCelsius + calc::kCelsiusOffset;
    if (c.fit && (from < c.fit->fromKelvin || to > c.fit->toKelvin))
        json.field("beyondFit", true);
    else if (c.beta && !c.fit && models::kelvinBeyondAnchors(*c.beta, from, to) > models::kBetaReachKelvin)
        json.field("betaReach", calc::decimalsText(models::kelvinBeyondAnchors(*c.beta, from, to), 2));
}

bool isTable(AdcFormat format) { return format == AdcFormat::csv || format == AdcFormat::c || format == AdcFormat::marlin; }

// The step the output stores temperatures in; a firmware's settings hold
// no table, whose rows are then judged as a CSV's.
double storedStepOf(const AdcSettings& s)
{
    const auto format = s.format == AdcFormat::marlin ? models::TableFormat::marlin
                        : s.format == AdcFormat::c    ? models::TableFormat::c
                                                      : models::TableFormat::csv;
    return models::storedStep(format, s.cType);
}

// The rows: every step, every code, or the fewest codes within the bound;
// std::nullopt for a bound finer than the format stores.
std::optional<models::AdcTable> tableOf(const AdcSettings& s, const Chosen& chosen)
{
    const double from = s.range.fromCelsius, to = s.range.toCelsius;
    if (s.maxErrorText.empty())
        return s.everyCount ? models::adcTablePerCount(chosen.model, s.divider, from, to)
                            : models::adcTableAt(chosen.model, s.divider, models::tableTemperatures(s.range));
    const double step = storedStepOf(s);
    if (!(s.maxErrorKelvin >= step / 2) || !(s.maxErrorKelvin > 0)) return std::nullopt;
    models::AdcTable table = models::adcTablePerCount(chosen.model, s.divider, from, to);
    table.rows = models::fewestRows(table, s.maxErrorKelvin, step);
    return table;
}

void writeInterpolation(JsonWriter& json, const models::InterpolationError& e)
{
    json.key("interpolation").beginObject().field("kelvin", calc::roundedText(e.kelvin, 3));
    json.field("atCount", static_cast<double>(e.atCount)).field("atCelsius", calc::decimalsText(e.atCelsius, 2));
    json.endObject();
}

std::string tableOutput(const AdcOutput& kept)
{
    const AdcSettings& s = kept.settings;
    if (s.format == AdcFormat::csv) return models::adcTableCsv(kept.table, {',', false, s.fahrenheit});
    auto comment = models::adcTableComment(kept.modelLine, s.divider, kept.rangeLine, kept.table.rows.size());
    if (kept.interpolation)
        comment.push_back(models::interpolationLine(kept.interpolation->kelvin, kept.interpolation->atCount,
                                                    kept.interpolation->atCelsius));
    const std::string name = s.name.empty() ? (s.format == AdcFormat::marlin ? "temptable_998" : "ntc_adc_table") : s.name;
    if (s.format == AdcFormat::marlin) return models::adcTableMarlin(kept.table, s.divider.bits, name, comment);
    return models::adcTableC(kept.table, {name, s.cType, s.fahrenheit, std::move(comment)});
}

constexpr const char* kFeatureNames[] = {"thermistorToSupply", "seriesResistor", "parallelResistor",
                                         "separateReference"};

// A firmware's settings, as `adc --format klipper|reprap|esphome` writes
// them; false, with why on `json`, where there are none.
void settingsOutput(JsonWriter& json, const AdcOutput& kept)
{
    const AdcSettings& s = kept.settings;
    const auto firmware = s.format == AdcFormat::klipper  ? models::Firmware::klipper
                          : s.format == AdcFormat::reprap ? models::Firmware::reprap
                                                          : models::Firmware::esphome;
    const auto [from, to] = kept.fitRangeCelsius.value_or(std::pair{s.range.fromCelsius, s.range.toCelsius});
    if (!std::holds_alternative<models::BetaModel>(kept.model) && !(from < to)) return void(json.field("error", "noRange"));
    const std::string name = s.name.empty() ? models::usualFirmwareName(firmware) : s.name;
    if (!name.empty() && !models::isFirmwareName(name)) return void(json.field("error", "notFirmwareName"));
    if (const auto feature = models::unsupportedFeature(firmware, s.divider))
        return void(json.field("error", "circuit").field("feature", kFeatureNames[static_cast<int>(*feature)]));
    models::FirmwareCurve curve;
    try {
        curve = models::firmwareCurve(kept.model, from + calc::kCelsiusOffset, to + calc::kCelsiusOffset);
    } catch (const models::ModelFailure&) {
        return void(json.field("error", "outsideModel"));
    }
    models::FirmwareText text{name, models::settingsComment(kept.modelLine, &s.divider), &s.divider};
    if (curve.standInErrorKelvin > 0) {
        text.comment.push_back(models::standInLine(curve.standInErrorKelvin, from, to));
        json.field("standIn", calc::roundedText(curve.standInErrorKelvin, 2));
    }
    if (firmware == models::Firmware::klipper && !std::holds_alternative<models::BetaModel>(curve.form)) {
        try {
            if (!(models::firmwareSteinhart(curve).c > 0)) json.field("klipperBeta", true);
        } catch (const models::ModelFailure&) {
            json.field("klipperBeta", true);
        }
    }
    json.field("output", models::firmwareConfig(firmware, curve, text));
}

} // namespace

std::optional<ChosenModel> modelOf(JsonWriter& json, const AdcSettings& s, const std::optional<FitSource>& fit)
{
    if (s.model == AdcModel::fit && (!fit || !fit->kept.fit.monotonic)) {
        json.field("error", fit ? "fitTurnsBack" : "noFit");
        return std::nullopt;
    }
    const Chosen c = chosenModel(s, fit);
    ChosenModel chosen{c.model, c.line, std::nullopt};
    if (c.fit) chosen.fitRangeCelsius = {c.fit->fromKelvin - calc::kCelsiusOffset, c.fit->toKelvin - calc::kCelsiusOffset};
    return chosen;
}

void adcAnswer(JsonWriter& json, const AdcSettings& s, const std::optional<FitSource>& fit, std::optional<AdcOutput>& kept)
{
    kept.reset();
    if (s.model == AdcModel::fit && (!fit || !fit->kept.fit.monotonic)) {
        json.field("error", fit ? "fitTurnsBack" : "noFit");
        return;
    }
    const Chosen chosen = chosenModel(s, fit);
    std::optional<models::AdcTable> table;
    try {
        table = tableOf(s, chosen);
    } catch (const models::ModelFailure&) {
        json.field("error", "outsideModel");
        return;
    }
    if (!table) return void(json.field("error", "maxErrorTooFine").field("step", calc::decimalsText(storedStepOf(s), 2)));
    writeRows(json, *table);
    writeRangeWarnings(json, s, chosen);
    if (table->rows.empty()) return void(json.field("error", "noRows"));
    AdcOutput out{s, std::move(*table), chosen.model, chosen.line, "", std::nullopt, std::nullopt};
    const auto rows = s.everyCount ? models::TableRows::everyCount
                      : !s.maxErrorText.empty() ? models::TableRows::withinError
                                                : models::TableRows::steps;
    out.rangeLine = models::rangeLine(s.range, rows, s.maxErrorText);
    if (chosen.fit)
        out.fitRangeCelsius = {chosen.fit->fromKelvin - calc::kCelsiusOffset, chosen.fit->toKelvin - calc::kCelsiusOffset};
    kept = std::move(out);
}

void interpolationAnswer(JsonWriter& json, AdcOutput& kept)
{
    const auto stored = models::storedRows(kept.table, storedStepOf(kept.settings));
    if (stored.size() >= 2 && !kept.interpolation)
        kept.interpolation = models::interpolationError(stored, kept.model, kept.settings.divider);
    if (kept.interpolation) writeInterpolation(json, *kept.interpolation);
}

void outputAnswer(JsonWriter& json, AdcOutput& kept)
{
    const AdcSettings& s = kept.settings;
    // A C or Marlin table's comment states the interpolation error.
    if (s.format == AdcFormat::c || s.format == AdcFormat::marlin) {
        JsonWriter unused;
        interpolationAnswer(unused.beginObject(), kept);
    }
    if (!isTable(s.format)) return settingsOutput(json, kept);
    if (s.format == AdcFormat::marlin && s.divider.bits != 10) return void(json.field("error", "marlinBits"));
    if (s.format != AdcFormat::csv && !s.name.empty() && !models::isCIdentifier(s.name))
        return void(json.field("error", "notIdentifier"));
    try {
        json.field("output", tableOutput(kept));
    } catch (const models::TableOverflow& overflow) {
        json.field("error", "overflow").field("overflow", overflow.what());
    }
}

} // namespace workbench
