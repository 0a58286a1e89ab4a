// ntc-beta-cli: a model fitted through an R/T table file once the table has been checked, as `fit` and --fit take it.
#include "cli/input/fitted_table.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "cli/input/plausibility.h"
#include "cli/input/rt_file.h"
#include "models/firmware_text.h"
#include "models/quantity.h"
#include "models/table_checks.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace cli {

namespace {

using models::celsiusText;
using models::ohmsText;

std::string lineText(std::size_t line) { return std::to_string(line); }

void refuse(Findings& found, std::string text) { found.push_back({Severity::refused, std::move(text)}); }
void warn(Findings& found, std::string text) { found.push_back({Severity::warning, std::move(text)}); }

std::string faultText(const Messages& m, const models::TableFault& fault, std::span<const models::TablePoint> points,
                      const FitSettings& settings)
{
    const models::TablePoint& p = points[fault.row];
    const models::TablePoint& q = points[fault.other];
    switch (fault.kind) {
    case models::TableFaultKind::tooFewRows:
        return format(m.tableTooFew, {std::to_string(fault.distinct), settings.model, std::to_string(fault.needed)});
    case models::TableFaultKind::repeatedTemperature:
        return format(m.tableRepeated, {lineText(q.line), lineText(p.line), celsiusText(p.kelvin), ohmsText(q.ohms),
                                        ohmsText(p.ohms)});
    case models::TableFaultKind::notFalling: {
        const auto& [cold, hot] = p.kelvin < q.kelvin ? std::pair{&p, &q} : std::pair{&q, &p};
        return format(m.tableNotFalling, {lineText(p.line), ohmsText(cold->ohms), celsiusText(cold->kelvin),
                                          lineText(cold->line), ohmsText(hot->ohms), celsiusText(hot->kelvin),
                                          lineText(hot->line)});
    }
    case models::TableFaultKind::risingThroughout:
        return format(m.tableRising, {ohmsText(p.ohms), celsiusText(p.kelvin), lineText(p.line), ohmsText(q.ohms),
                                      celsiusText(q.kelvin), lineText(q.line)});
    }
    return {};
}

// Refused when every temperature was written without a unit, read as °C,
// and looks like kelvin.
bool refuseKelvinAsCelsius(const Messages& m, const RtFile& file, Findings& found)
{
    const auto& values = file.unitlessCelsius;
    if (values.size() < 2 || values.size() != file.points.size()) return false;
    if (!std::all_of(values.begin(), values.end(), [](double v) { return models::looksLikeKelvin(v); })) return false;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    refuse(found, format(m.tableKelvin, {quoted(m, file.temperatureColumn), calc::decimalsText(*low, 6),
                                         calc::decimalsText(*high, 6)}));
    return true;
}

bool refuseFaults(const Messages& m, const std::vector<models::TablePoint>& points, const FitSettings& settings,
                  bool kept, Findings& found)
{
    const models::TableFaults faults =
        models::tableFaults(points, models::pointsNeeded(fitKindOf(settings.model), kept));
    for (const models::TableFault& fault : faults.faults) refuse(found, faultText(m, fault, points, settings));
    if (faults.unnamed > 0) refuse(found, format(m.tableMoreFaults, {std::to_string(faults.unnamed)}));
    return !faults.faults.empty();
}

std::size_t distinctTemperatures(const std::vector<models::TablePoint>& points)
{
    std::set<double> temperatures;
    for (const auto& p : points) temperatures.insert(p.kelvin);
    return temperatures.size();
}

void warnAboutOutliers(const Messages& m, const std::vector<models::TablePoint>& points, Findings& found)
{
    for (const models::Outlier& o : models::findOutliers(points)) {
        const models::TablePoint& p = points[o.row];
        const double size = std::fabs(o.errorKelvin);
        warn(found, format(m.tableOutlier, {lineText(p.line), ohmsText(p.ohms), celsiusText(p.kelvin),
                                            size < 1000 ? calc::roundedText(size, 3) : ">1000",
                                            calc::roundedText(o.typicalKelvin, 2)}));
    }
}

// Warnings on a fit that went through: a B no NTC has, a curve that turns
// back (for values), coefficients no thermistor has, a beta fit far worse
// than a three-term one on the same rows.
void warnAboutFit(const Messages& m, const FileFit& f, Findings& found)
{
    const models::TableFit& fit = f.fit;
    if (fit.kind == models::FitKind::beta) {
        checkNtcB(m, "B", fit.beta.beta, found);
    } else if (const double b = models::endToEndB(f.fitted); std::isfinite(b)) {
        checkNtcB(m, calc::betaName(fit.fromKelvin, fit.toKelvin), b, found);
    }
    if (!fit.monotonic) warn(found, std::string(m.notMonotonic));
    if (fit.kind == models::FitKind::steinhart) checkCoefficients(m, {fit.curve.a, fit.curve.b, fit.curve.c}, found);
    if (fit.kind != models::FitKind::beta || distinctTemperatures(f.fitted) < 3) return;
    try {
        const models::TableFit steinhart = models::fitTable(f.fitted, models::FitKind::steinhart);
        // Worth a word where the beta model's error matters and another
        // model does far better on the same table.
        if (fit.maxErrorKelvin > 0.1 && fit.maxErrorKelvin > 2 * steinhart.maxErrorKelvin) {
            warn(found, format(m.betaFitWorse, {calc::roundedText(fit.maxErrorKelvin, 3)}));
            warn(found, format(m.steinhartFitBetter, {calc::roundedText(steinhart.maxErrorKelvin, 3)}));
        }
    } catch (const models::ModelFailure&) {
        // No three-term curve through these points: nothing to compare.
    }
}

} // namespace

models::FitKind fitKindOf(const std::string& model)
{
    if (model == "steinhart4") return models::FitKind::steinhart4;
    if (model == "beta") return models::FitKind::beta;
    return models::FitKind::steinhart;
}

std::optional<FileFit> fitFile(Session& s, const FitSettings& settings, FitUse use, Findings& found)
{
    const Messages& m = s.m;
    const auto file = readRtFile(s, settings.file, settings.style, settings.kelvin, found);
    if (!file) return std::nullopt;
    const models::FitKind kind = fitKindOf(settings.model);
    const bool kept = kind == models::FitKind::beta && settings.keptR0 > 0;
    if (refuseKelvinAsCelsius(m, *file, found) || refuseFaults(m, file->points, settings, kept, found))
        return std::nullopt;
    FileFit result{{}, file->points, models::pointsWithin(file->points, settings.fromKelvin, settings.toKelvin)};
    const std::size_t needed = models::pointsNeeded(kind, kept);
    if (distinctTemperatures(result.fitted) < needed) {
        refuse(found, format(m.tableTooFewWithin, {std::to_string(distinctTemperatures(result.fitted)),
                                                   settings.model, std::to_string(needed)}));
        return std::nullopt;
    }
    try {
        result.fit = models::fitTable(result.fitted, models::FitRequest{kind, settings.t0Kelvin, settings.keptR0});
    } catch (const models::ModelFailure& failure) {
        refuse(found, std::string(failureText(m, failure.kind())));
        return std::nullopt;
    }
    if (kind == models::FitKind::beta && !(result.fit.beta.beta > 0)) {
        refuse(found, format(m.fitBNotPositive, {calc::fullValueText(result.fit.beta.beta)}));
        return std::nullopt;
    }
    if (use == FitUse::table && !result.fit.monotonic) {
        refuse(found, std::string(m.fitTurnsBack));
        return std::nullopt;
    }
    warnAboutOutliers(m, result.points, found);
    warnAboutFit(m, result, found);
    return result;
}

} // namespace cli
