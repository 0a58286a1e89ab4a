// ntc-beta: the workbench's ADC table: a model in a divider, its rows and its output as the command line's `adc`
// writes them.
#include "ui/web/workbench/adc_answer.h"

#include "calc/b_value.h"
#include "models/adc_table.h"
#include "models/beta_reference.h"
#include "models/firmware_text.h"
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
    for (const double c : celsius) json.value(models::decimalsText(c, 2));
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
        json.field("betaReach", models::decimalsText(models::kelvinBeyondAnchors(*c.beta, from, to), 2));
}

std::string outputOf(const AdcSettings& s, const models::AdcTable& table, std::vector<std::string> comment)
{
    if (s.format == AdcFormat::csv) return models::adcTableCsv(table, {',', false, s.fahrenheit});
    if (s.format == AdcFormat::marlin) return models::adcTableMarlin(table, s.divider.bits, s.name, comment);
    return models::adcTableC(table, {s.name, s.cType, s.fahrenheit, std::move(comment)});
}

} // namespace

void adcAnswer(JsonWriter& json, const AdcSettings& s, const std::optional<FitSource>& fit, std::optional<AdcOutput>& kept)
{
    kept.reset();
    if (s.model == AdcModel::fit && (!fit || !fit->kept.fit.monotonic)) {
        json.field("error", fit ? "fitTurnsBack" : "noFit");
        return;
    }
    const Chosen chosen = chosenModel(s, fit);
    models::AdcTable table;
    try {
        table = s.everyCount ? models::adcTablePerCount(chosen.model, s.divider, s.range.fromCelsius, s.range.toCelsius)
                             : models::adcTableAt(chosen.model, s.divider, models::tableTemperatures(s.range));
    } catch (const models::ModelFailure&) {
        json.field("error", "outsideModel");
        return;
    }
    writeRows(json, table);
    writeRangeWarnings(json, s, chosen);
    if (table.rows.empty()) return void(json.field("error", "noRows"));
    kept = AdcOutput{s, std::move(table), chosen.line};
}

void outputAnswer(JsonWriter& json, const AdcOutput& kept)
{
    const AdcSettings& s = kept.settings;
    if (s.format == AdcFormat::marlin && s.divider.bits != 10) return void(json.field("error", "marlinBits"));
    if (s.format != AdcFormat::csv && !models::isCIdentifier(s.name)) return void(json.field("error", "notIdentifier"));
    try {
        json.field("output", outputOf(s, kept.table, models::adcTableComment(kept.modelLine, s.divider, s.range,
                                                                              s.everyCount, kept.table.rows.size())));
    } catch (const models::TableOverflow& overflow) {
        json.field("error", "overflow").field("overflow", overflow.what());
    }
}

} // namespace workbench
