// ntc-beta: the workbench's fit: a pasted table read, checked and fitted as the command line's `fit` does.
#include "ui/web/workbench/fit_answer.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "models/firmware_text.h"
#include "models/model_text.h"
#include "models/pasted_table.h"
#include "models/table_checks.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace workbench {

namespace {

constexpr const char* kProblemNames[] = {"missingCell", "unreadableTemperature", "unreadableResistance",
                                         "belowAbsoluteZero", "resistanceNotPositive", "unitInScaledColumn",
                                         "ambiguousComma"};
constexpr const char* kFaultNames[] = {"tooFewRows", "repeatedTemperature", "notFalling", "risingThroughout"};
constexpr const char* kFailureNames[] = {"equalTemperatures", "equalResistances", "absoluteZero", "belowAbsoluteZero",
                                         "ratioNotPositive", "overflow", "singularFit", "outsideModel"};
constexpr const char* kSeparatorNames[] = {"tab", "semicolon", "comma", "blanks"};

std::size_t distinctTemperatures(const std::vector<models::TablePoint>& points)
{
    std::set<double> temperatures;
    for (const auto& p : points) temperatures.insert(p.kelvin);
    return temperatures.size();
}

void writePoint(JsonWriter& json, const models::TablePoint& p)
{
    json.field("line", p.line).field("celsius", p.kelvin - calc::kCelsiusOffset).field("ohms", p.ohms);
    json.field("celsiusText", models::celsiusText(p.kelvin)).field("ohmsText", models::ohmsText(p.ohms));
}

void writeRead(JsonWriter& json, const models::PastedTable& t)
{
    json.key("read").beginObject();
    json.field("separator", kSeparatorNames[static_cast<int>(t.separator)]).field("decimalComma", t.decimalComma);
    json.field("header", t.header).field("byPlace", t.columnsByPlace);
    json.field("temperatureName", t.temperatureName).field("resistanceName", t.resistanceName);
    json.field("kelvin", t.unitless == models::TemperatureUnit::kelvin)
        .field("fahrenheit", t.unitless == models::TemperatureUnit::fahrenheit)
        .field("factor", t.resistanceFactor);
    json.endObject();
    json.key("points").beginArray();
    for (const auto& p : t.points) writePoint(json.beginObject(), p), json.endObject();
    json.endArray();
    json.key("problems").beginArray();
    for (const auto& p : t.problems)
        json.beginObject().field("kind", kProblemNames[static_cast<int>(p.kind)]).field("line", p.line).field("cell", p.cell).endObject();
    json.endArray();
}

// The refusals before a fit, each as the command line names it: kelvin
// read as °C, and the table's faults.
bool writeTableRefusals(JsonWriter& json, const models::PastedTable& t, std::size_t needed)
{
    const auto& values = t.unitlessCelsius;
    if (values.size() >= 2 && values.size() == t.points.size() &&
        std::all_of(values.begin(), values.end(), [](double v) { return models::looksLikeKelvin(v); })) {
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        json.beginObject().field("kind", "kelvin").field("column", t.temperatureName);
        json.field("low", calc::decimalsText(*low, 6)).field("high", calc::decimalsText(*high, 6)).endObject();
        return true;
    }
    const models::TableFaults faults = models::tableFaults(t.points, needed);
    for (const models::TableFault& f : faults.faults) {
        json.beginObject().field("kind", kFaultNames[static_cast<int>(f.kind)]);
        if (f.kind == models::TableFaultKind::tooFewRows) {
            json.field("distinct", f.distinct).field("needed", f.needed).endObject();
            continue;
        }
        json.key("row").beginObject(), writePoint(json, t.points[f.row]), json.endObject();
        json.key("other").beginObject(), writePoint(json, t.points[f.other]), json.endObject();
        json.endObject();
    }
    if (faults.unnamed > 0) json.beginObject().field("kind", "moreFaults").field("count", faults.unnamed).endObject();
    return !faults.faults.empty();
}

void writeOutliers(JsonWriter& json, const std::vector<models::TablePoint>& points)
{
    for (const models::Outlier& o : models::findOutliers(points)) {
        const double size = std::fabs(o.errorKelvin);
        json.beginObject().field("kind", "outlier");
        writePoint(json, points[o.row]);
        json.field("error", size < 1000 ? calc::roundedText(size, 3) : ">1000");
        json.field("typical", calc::roundedText(o.typicalKelvin, 2)).endObject();
    }
}

// The warnings on a fit that went through, as the command line gives them.
void writeFitWarnings(JsonWriter& json, const models::TableFit& fit, const std::vector<models::TablePoint>& fitted)
{
    const auto bOutside = [&](std::string name, double b) {
        if (!models::isNtcB(b))
            json.beginObject().field("kind", "bOutside").field("name", name).field("b", calc::roundedText(b, 6)).endObject();
    };
    if (fit.kind == models::FitKind::beta) bOutside("B", fit.beta.beta);
    else if (const double b = models::endToEndB(fitted); std::isfinite(b)) bOutside(calc::betaName(fit.fromKelvin, fit.toKelvin), b);
    if (!fit.monotonic) json.beginObject().field("kind", "notMonotonic").endObject();
    if (fit.kind == models::FitKind::steinhart && !(fit.curve.b > 0)) json.beginObject().field("kind", "shBNotPositive").endObject();
    if (fit.kind == models::FitKind::steinhart && fit.curve.c < 0) json.beginObject().field("kind", "cNegative").endObject();
    if (fit.kind != models::FitKind::beta || distinctTemperatures(fitted) < 3) return;
    try {
        const models::TableFit three = models::fitTable(fitted, models::FitKind::steinhart);
        if (fit.maxErrorKelvin > 0.1 && fit.maxErrorKelvin > 2 * three.maxErrorKelvin)
            json.beginObject().field("kind", "betaWorse").field("beta", calc::roundedText(fit.maxErrorKelvin, 3))
                .field("steinhart", calc::roundedText(three.maxErrorKelvin, 3)).endObject();
    } catch (const models::ModelFailure&) {
        // No three-term curve through these points: nothing to compare.
    }
}

void writeNumber(JsonWriter& json, std::string_view name, std::string text, double value)
{
    json.beginObject().field("name", name).field("text", text).field("value", value).endObject();
}

// The curve over the table's range, for the R–T plot.
void writeCurve(JsonWriter& json, const models::ThermistorModel& model, double fromKelvin, double toKelvin)
{
    constexpr int kSamples = 160;
    json.key("curve").beginArray();
    for (int i = 0; i <= kSamples; ++i) {
        const double kelvin = fromKelvin + (toKelvin - fromKelvin) * i / kSamples;
        double ohms = NAN;
        try {
            ohms = models::resistanceAt(model, kelvin);
        } catch (const models::ModelFailure&) {
        }
        json.beginArray().value(kelvin - calc::kCelsiusOffset).value(ohms).endArray();
    }
    json.endArray();
}

void writeFit(JsonWriter& json, const models::TableFit& fit, const std::vector<models::TablePoint>& fitted)
{
    json.key("fit").beginObject().key("values").beginArray();
    if (fit.kind == models::FitKind::beta) {
        writeNumber(json, "R0", calc::fullValueText(fit.beta.r0), fit.beta.r0);
        writeNumber(json, "T0", models::celsiusText(fit.beta.t0Kelvin), fit.beta.t0Kelvin - calc::kCelsiusOffset);
        writeNumber(json, "B", calc::fullValueText(fit.beta.beta), fit.beta.beta);
    } else {
        const double values[] = {fit.curve.a, fit.curve.b, fit.curve.c, fit.curve.d};
        const int count = fit.kind == models::FitKind::steinhart4 ? 4 : 3;
        for (int i = 0; i < count; ++i)
            writeNumber(json, std::string(1, char('A' + i)), calc::coefficientText(values[i]), values[i]);
    }
    writeNumber(json, "max_error_k", calc::roundedText(fit.maxErrorKelvin, 3), fit.maxErrorKelvin);
    writeNumber(json, "rms_error_k", calc::roundedText(fit.rmsErrorKelvin, 3), fit.rmsErrorKelvin);
    json.endArray().field("fromText", models::celsiusText(fit.fromKelvin)).field("toText", models::celsiusText(fit.toKelvin));
    json.key("rows").beginArray();
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        json.beginObject();
        writePoint(json, fitted[i]);
        json.field("error", fit.residualsKelvin[i]).field("errorText", calc::roundedText(fit.residualsKelvin[i], 3));
        json.endObject();
    }
    json.endArray();
    const models::ThermistorModel model =
        fit.kind == models::FitKind::beta ? models::ThermistorModel(fit.beta) : models::ThermistorModel(fit.curve);
    writeCurve(json, model, fit.fromKelvin, fit.toKelvin);
    json.endObject();
}

} // namespace

std::optional<KeptFit> fitAnswer(JsonWriter& json, const models::PastedTable& table, const FitSettings& s)
{
    writeRead(json, table);
    const bool kept = s.kind == models::FitKind::beta && s.keptR0 > 0;
    const std::size_t needed = models::pointsNeeded(s.kind, kept);
    json.key("refusals").beginArray();
    std::optional<KeptFit> result;
    const auto finish = [&]() -> std::optional<KeptFit> {
        json.endArray();
        return result;
    };
    if (!table.problems.empty() || table.points.empty()) {
        if (table.points.empty() && table.problems.empty()) json.beginObject().field("kind", "noRows").endObject();
        return finish();
    }
    if (writeTableRefusals(json, table, needed)) return finish();
    const auto fitted = models::pointsWithin(table.points, s.fromKelvin, s.toKelvin);
    if (distinctTemperatures(fitted) < needed) {
        json.beginObject().field("kind", "tooFewWithin").field("distinct", distinctTemperatures(fitted)).field("needed", needed).endObject();
        return finish();
    }
    models::TableFit fit;
    try {
        fit = models::fitTable(fitted, models::FitRequest{s.kind, s.t0Kelvin, s.keptR0});
    } catch (const models::ModelFailure& failure) {
        json.beginObject().field("kind", "failure").field("failure", kFailureNames[static_cast<int>(failure.kind())]).endObject();
        return finish();
    }
    if (s.kind == models::FitKind::beta && !(fit.beta.beta > 0)) {
        json.beginObject().field("kind", "fitBNotPositive").field("b", calc::fullValueText(fit.beta.beta)).endObject();
        return finish();
    }
    json.endArray().key("warnings").beginArray();
    writeOutliers(json, table.points);
    writeFitWarnings(json, fit, fitted);
    json.endArray();
    writeFit(json, fit, fitted);
    return KeptFit{fit, fitted.size()};
}

} // namespace workbench
