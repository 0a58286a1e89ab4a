// ntc-beta-cli: a model fitted through an R/T table file, as `fit` and `adc --fit` take it.
#include "cli/fit_options.h"

#include "cli/arguments.h"
#include "cli/plausibility.h"
#include "models/firmware_text.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <set>
#include <stdexcept>

namespace cli {

namespace {

models::FitKind kindOf(const std::string& name)
{
    if (name == "steinhart4") return models::FitKind::steinhart4;
    if (name == "beta") return models::FitKind::beta;
    return models::FitKind::steinhart;
}

void warn(Findings& found, std::string_view text, const std::string& figure = "")
{
    found.push_back({Severity::warning, std::string(text) + figure});
}

} // namespace

void addFitOptions(CLI::App& command, FitOptions& options, bool withT0, const FirmwareMessages& f)
{
    command.add_option("--model", options.model, std::string(f.modelOption))
        ->type_name("MODEL")
        ->check(CLI::IsMember({"steinhart", "steinhart4", "beta"}));
    if (withT0) command.add_option("--t0", options.t0, std::string(f.t0Option))->type_name("T");
    addSpreadsheetOptions(command, options.sheet, true, f);
}

FileFit fitFromFile(Session& s, const std::string& file, const FitOptions& options, Findings& found)
{
    const FirmwareMessages& f = firmwareMessages(s.m);
    const models::FitKind kind = kindOf(options.model);
    const double t0 = kelvinOf(temperatureArgument(s.m, "--t0", options.t0, false));
    FileFit result;
    result.style = spreadsheetStyle(options.sheet, s.m, f, {"temperature_c", "resistance_ohm"});
    result.points = readRtTable(s, file, result.style, found);
    std::set<double> temperatures;
    for (const auto& p : result.points) temperatures.insert(p.kelvin);
    if (temperatures.size() < models::pointsNeeded(kind))
        throw std::runtime_error(std::string(f.tooFewPoints) + std::to_string(models::pointsNeeded(kind)));
    result.fit = models::fitTable(result.points, kind, t0);
    return result;
}

void warnAboutFit(const Messages& m, const models::TableFit& fit, const std::vector<models::TablePoint>& points,
                  Findings& found)
{
    const FirmwareMessages& f = firmwareMessages(m);
    if (!fit.monotonic) warn(found, f.notMonotonic);
    if (fit.kind == models::FitKind::steinhart) checkCoefficients(m, {fit.curve.a, fit.curve.b, fit.curve.c}, found);
    if (fit.kind != models::FitKind::beta || points.size() < 3) return;
    try {
        const models::TableFit steinhart = models::fitTable(points, models::FitKind::steinhart);
        // Worth a word where the beta model's error matters and another
        // model does far better on the same table.
        if (fit.maxErrorKelvin > 0.1 && fit.maxErrorKelvin > 2 * steinhart.maxErrorKelvin) {
            warn(found, f.betaFitWorse, models::roundedText(fit.maxErrorKelvin, 3));
            warn(found, f.steinhartFitBetter, models::roundedText(steinhart.maxErrorKelvin, 3));
        }
    } catch (const models::ModelFailure&) {
        // No three-term curve through these points: nothing to compare.
    }
}

} // namespace cli
