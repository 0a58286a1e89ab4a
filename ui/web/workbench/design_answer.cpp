// ntc-beta: the workbench's design view: the fixed resistor chosen from an E series, and the error budget, as the
// command line's `pullup` and `budget` compute them.
#include "ui/web/workbench/design_answer.h"

#include "calc/number_writing.h"
#include "models/firmware_text.h"

#include <cmath>

namespace workbench {

namespace {

template <typename Row, typename Member>
void column(JsonWriter& json, std::string_view name, const std::vector<Row>& rows, Member member)
{
    json.key(name).beginArray();
    for (const Row& row : rows) json.value(static_cast<double>(row.*member));
    json.endArray();
}

} // namespace

void pullupAnswer(JsonWriter& json, const AdcSettings& s, const std::optional<FitSource>& fit, models::ESeries series,
                  double lowestOhms, double highestOhms, double milliwattsPerKelvin)
{
    const auto chosen = modelOf(json, s, fit);
    if (!chosen) return;
    const std::vector<double> candidates = models::eSeriesValues(series, lowestOhms, highestOhms);
    if (candidates.empty()) return void(json.field("error", "noCandidates"));
    if (!(s.range.fromCelsius <= s.range.toCelsius)) return void(json.field("error", "noRange"));
    std::vector<models::FixedResistorChoice> choices;
    try {
        const auto samples = models::sampleThermistor(chosen->model, s.range.fromCelsius, s.range.toCelsius);
        choices = models::rankFixedResistors(samples, s.divider, candidates, milliwattsPerKelvin);
    } catch (const models::ModelFailure&) {
        return void(json.field("error", "outsideModel"));
    }
    json.key("choices").beginObject();
    column(json, "ohms", choices, &models::FixedResistorChoice::ohms);
    std::vector<models::ResolutionSummary> summaries;
    for (const auto& c : choices) summaries.push_back(c.summary);
    column(json, "worst", summaries, &models::ResolutionSummary::worstCelsiusPerCount);
    column(json, "worstAt", summaries, &models::ResolutionSummary::worstAtCelsius);
    column(json, "mean", summaries, &models::ResolutionSummary::meanCelsiusPerCount);
    column(json, "onRail", summaries, &models::ResolutionSummary::onRail);
    json.endObject();
    json.field("best", calc::roundedText(choices.front().ohms, 6));
    json.field("bestWorst", calc::roundedText(choices.front().summary.worstCelsiusPerCount, 4));
    json.field("allOnRail", choices.front().summary.onRail);
}

void budgetAnswer(JsonWriter& json, const AdcSettings& s, const std::optional<FitSource>& fit,
                  const models::Tolerances& tolerances, double milliwattsPerKelvin)
{
    const auto chosen = modelOf(json, s, fit);
    if (!chosen) return;
    if (tolerances.reference > 0 && !(s.divider.referenceVolts > 0)) return void(json.field("error", "vrefTolNeedsVref"));
    std::vector<models::BudgetRow> rows;
    try {
        rows = models::errorBudget(chosen->model, s.divider, tolerances, milliwattsPerKelvin,
                                   models::tableTemperatures(s.range));
    } catch (const models::ModelFailure&) {
        return void(json.field("error", "outsideModel"));
    }
    if (rows.empty()) return void(json.field("error", "noRange"));
    json.key("rows").beginObject();
    column(json, "celsius", rows, &models::BudgetRow::celsius);
    column(json, "worst", rows, &models::BudgetRow::worstKelvin);
    column(json, "rss", rows, &models::BudgetRow::rssKelvin);
    column(json, "corners", rows, &models::BudgetRow::cornersKelvin);
    column(json, "r25", rows, &models::BudgetRow::r25Kelvin);
    column(json, "beta", rows, &models::BudgetRow::betaKelvin);
    column(json, "resistor", rows, &models::BudgetRow::resistorKelvin);
    column(json, "reference", rows, &models::BudgetRow::referenceKelvin);
    column(json, "adc", rows, &models::BudgetRow::adcKelvin);
    column(json, "quantisation", rows, &models::BudgetRow::quantisationKelvin);
    column(json, "selfHeating", rows, &models::BudgetRow::selfHeatingKelvin);
    json.endObject();
    json.key("unreadable").beginArray();
    for (const auto& r : rows)
        if (!r.readable) json.value(calc::decimalsText(r.celsius, 2));
    json.endArray();
}

} // namespace workbench
