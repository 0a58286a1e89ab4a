// ntc-beta-cli: the one set of model options every command that uses a model takes: a beta model typed (--r25 or
// --r0 with --t0, --beta), Steinhart-Hart coefficients typed (--steinhart, --steinhart4), or a fit of a table (--fit).
#include "cli/commands/model_options.h"

#include "calc/b_value.h"
#include "calc/number_reading.h"
#include "calc/number_writing.h"
#include "cli/input/arguments.h"
#include "cli/input/fitted_table.h"
#include "cli/input/plausibility.h"
#include "models/firmware_text.h"
#include "models/model_text.h"
#include "models/quantity.h"

#include <cmath>

namespace cli {

namespace {

double t0Of(const Messages& m, const ModelOptions& o, bool kelvin, Findings& found)
{
    if (o.t0.empty()) return 298.15;
    const double t0 = kelvinOf(temperatureArgument(m, "--t0", o.t0, kelvin));
    checkUseRange(m, "--t0", o.t0, t0, found);
    return t0;
}

models::BetaReference betaReferenceOf(const Messages& m, const ModelOptions& o, bool kelvin, Findings& found)
{
    models::BetaReference ref;
    const std::string_view r0Name = o.r25.empty() ? "--r0" : "--r25";
    const std::string& r0Text = o.r25.empty() ? o.r0 : o.r25;
    ref.model.r0 = resistanceArgument(m, r0Name, r0Text);
    ref.model.t0Kelvin = o.r25.empty() ? t0Of(m, o, kelvin, found) : 298.15;
    ref.model.beta = numberArgument(m, "--beta", o.beta);
    checkBetaModel(m, ref.model, r0Name, r0Text, o.beta, found);
    if (o.betaPair.empty()) return ref;
    const auto slash = o.betaPair.find('/');
    const auto low = calc::parseNumber(o.betaPair.substr(0, slash));
    std::optional<double> high;
    if (slash != std::string::npos) high = calc::parseNumber(o.betaPair.substr(slash + 1));
    if (!low || !high || *low == *high)
        throw UnreadableArgument(namedProblem(m, "--beta-pair", o.betaPair, m.expectedPair));
    ref.pairLowKelvin = *low + calc::kCelsiusOffset;
    ref.pairHighKelvin = *high + calc::kCelsiusOffset;
    return ref;
}

std::optional<ChosenModel> fittedModel(Session& s, const ModelOptions& o, bool kelvin, ModelUse use, Findings& found)
{
    FitSettings settings;
    settings.file = o.fit;
    settings.model = o.model;
    settings.kelvin = kelvin;
    settings.t0Kelvin = t0Of(s.m, o, kelvin, found);
    if (!o.r0.empty()) settings.keptR0 = resistanceArgument(s.m, "--r0", o.r0);
    settings.style = spreadsheetStyle(o.sheet, s.m, {"temperature_c", "resistance_ohm"});
    const auto fitted = fitFile(s, settings, use == ModelUse::table ? FitUse::table : FitUse::values, found);
    if (!fitted) return std::nullopt;
    const models::TableFit& fit = fitted->fit;
    ChosenModel chosen{fit.curve, "", std::nullopt, fit};
    if (fit.kind == models::FitKind::beta) {
        chosen.model = fit.beta;
        chosen.beta = models::BetaReference{fit.beta};
    }
    chosen.description = models::fitModelLine(o.model, o.fit, fitted->fitted.size(), fit);
    return chosen;
}

ChosenModel typedCurve(const Messages& m, const ModelOptions& o, Findings& found)
{
    const std::vector<std::string>& v = o.steinhart4.empty() ? o.steinhart : o.steinhart4;
    models::SteinhartHart4 c;
    c.a = numberArgument(m, "A", v[0]);
    c.b = numberArgument(m, "B", v[1]);
    c.c = numberArgument(m, "C", v[2]);
    const bool four = v.size() == 4;
    if (four) c.d = numberArgument(m, "D", v[3]);
    if (four) {
        if (!(c.b > 0)) found.push_back({Severity::warning, std::string(m.shBNotPositive)});
        return {c, models::curveModelLine(c, true), std::nullopt, std::nullopt};
    }
    const models::SteinhartHart three{c.a, c.b, c.c};
    checkCoefficients(m, three, found);
    return {three, models::curveModelLine(c, false), std::nullopt, std::nullopt};
}

} // namespace

OptionSpec modelChoice(std::string& model, const Messages& m)
{
    OptionSpec option = textOption("--model", m.modelOption, "MODEL", model);
    option.choices = {"steinhart", "steinhart4", "beta"};
    return option;
}

void addModelOptions(std::vector<OptionSpec>& commandOptions, ModelOptions& o, const Messages& m, SteinhartValues steinhart)
{
    const bool four = steinhart == SteinhartValues::threeOrFour;
    std::vector<OptionSpec> model{
        textOption("--r25", m.r25Option, "R", o.r25),
        textOption("--r0", m.r0Option, "R", o.r0),
        textOption("--t0", m.t0Option, "T", o.t0),
        textOption("--beta", m.betaOption, "B", o.beta),
        textOption("--beta-pair", m.betaPairOption, "T1/T2", o.betaPair),
        listOption("--steinhart", four ? m.steinhartOrFourOption : m.steinhartOption, "N", o.steinhart, 3,
                   four ? 4 : 3),
        listOption("--steinhart4", m.steinhart4Option, "N", o.steinhart4, 4, 4),
        textOption("--fit", m.fitOption, "FILE", o.fit),
        modelChoice(o.model, m),
    };
    for (OptionSpec& option : model) {
        option.group = m.modelGroup;
        commandOptions.push_back(std::move(option));
    }
    addSpreadsheetOptions(commandOptions, o.sheet, m, m.tableFileGroup);
}

std::optional<ChosenModel> chosenModel(Session& s, const ModelOptions& o, bool kelvin, ModelUse use, Findings& found)
{
    const Messages& m = s.m;
    const bool fit = !o.fit.empty();
    const bool beta = !o.r25.empty() || !o.beta.empty() || (!o.r0.empty() && !fit);
    const int given = int(beta) + int(!o.steinhart.empty()) + int(!o.steinhart4.empty()) + int(fit);
    const bool betaComplete = (o.r25.empty() != o.r0.empty()) && !o.beta.empty();
    if (given != 1 || (beta && !betaComplete) || (fit && !o.betaPair.empty()))
        throw UnreadableArgument(std::string(m.modelNeeded));
    if (fit && !o.r0.empty() && o.model != "beta") throw UnreadableArgument(std::string(m.r0WithFit));
    if (fit) return fittedModel(s, o, kelvin, use, found);
    Findings mine;
    ChosenModel chosen;
    if (beta) {
        const models::BetaReference ref = betaReferenceOf(m, o, kelvin, mine);
        chosen = {ref.model, models::betaModelLine(ref), ref, std::nullopt};
    } else {
        chosen = typedCurve(m, o, mine);
    }
    const bool refused = failed(mine);
    found.insert(found.end(), mine.begin(), mine.end());
    if (refused) return std::nullopt;
    return chosen;
}

void warnBeyondModel(const Messages& m, const ChosenModel& chosen, double fromCelsius, double toCelsius,
                     Findings& found)
{
    const double from = fromCelsius + calc::kCelsiusOffset, to = toCelsius + calc::kCelsiusOffset;
    if (chosen.fit && (from < chosen.fit->fromKelvin || to > chosen.fit->toKelvin)) {
        found.push_back({Severity::warning,
                         format(m.beyondFit, {calc::decimalsText(chosen.fit->fromKelvin - calc::kCelsiusOffset, 2),
                                              calc::decimalsText(chosen.fit->toKelvin - calc::kCelsiusOffset, 2)})});
    } else if (chosen.beta && !chosen.fit) {
        const double beyond = models::kelvinBeyondAnchors(*chosen.beta, from, to);
        if (beyond > models::kBetaReachKelvin)
            found.push_back({Severity::warning, format(m.betaReach, {calc::decimalsText(beyond, 2)})});
    }
}

std::pair<double, double> modelRangeCelsius(const ChosenModel& chosen, double fromCelsius, double toCelsius)
{
    if (!chosen.fit) return {fromCelsius, toCelsius};
    return {chosen.fit->fromKelvin - calc::kCelsiusOffset, chosen.fit->toKelvin - calc::kCelsiusOffset};
}

void refuseFourthCoefficient(const Messages& m, const ModelOptions& options, const std::vector<std::string>& readings)
{
    if (options.steinhart.empty()) return;
    for (const std::string& reading : readings) {
        const auto value = calc::parseNumber(reading);
        const bool exponent = reading.find_first_of("eE") != std::string::npos;
        if (value && exponent && *value != 0 && std::fabs(*value) < 0.01)
            throw UnreadableArgument(format(m.fourthCoefficient, {shownValue(m, reading)}));
    }
}

std::string modelDescription(const models::ThermistorModel& model)
{
    if (const auto* beta = std::get_if<models::BetaModel>(&model)) {
        const std::string b = ", B = " + calc::fullValueText(beta->beta) + " K";
        if (beta->t0Kelvin == 298.15) return "beta model: R25 = " + calc::fullValueText(beta->r0) + " ohm" + b;
        return "beta model: R0 = " + calc::fullValueText(beta->r0) + " ohm at " +
               calc::decimalsText(beta->t0Kelvin - calc::kCelsiusOffset, 2) + " degC" + b;
    }
    if (const auto* sh = std::get_if<models::SteinhartHart>(&model))
        return "Steinhart-Hart: " + models::curveText({sh->a, sh->b, sh->c, 0.0}, false);
    return "Steinhart-Hart: " + models::curveText(std::get<models::SteinhartHart4>(model), true);
}

} // namespace cli
