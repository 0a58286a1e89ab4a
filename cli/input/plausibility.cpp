// ntc-beta-cli: the rules for values no thermistor gives, applied alike by every command and the batch.
#include "cli/input/plausibility.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "cli/input/readings.h"
#include "models/quantity.h"
#include "models/thermistor.h"

namespace cli {

namespace {

// The range's ends are compared in °C with a margin far below any typed
// digit, so that -100 °C, which is 173.15 K only up to rounding, is inside.
constexpr double kMargin = 1e-9;

bool inUseRange(double kelvin)
{
    const double celsius = kelvin - calc::kCelsiusOffset;
    return celsius >= kColdestUseCelsius - kMargin && celsius <= kHottestUseCelsius + kMargin;
}

bool looksLikeResistance(std::string_view text, bool kelvinByDefault)
{
    if (!models::parseResistance(text)) return false;
    const auto t = readTemperature(text, kelvinByDefault);
    return !t || !inUseRange(kelvinOf(*t));
}

bool looksLikeTemperature(std::string_view text, bool kelvinByDefault)
{
    const auto t = readTemperature(text, kelvinByDefault);
    return t && inUseRange(kelvinOf(*t));
}

} // namespace

void checkUseRange(const Messages& m, std::string_view name, std::string_view text, double kelvin,
                   Findings& found)
{
    if (inUseRange(kelvin)) return;
    const std::string celsius = calc::fullValueText(kelvin - calc::kCelsiusOffset);
    found.push_back({Severity::warning, namedProblem(m, name, text, format(m.outsideUse, {celsius}))});
}

bool checkResistance(const Messages& m, std::string_view name, std::string_view text, double ohms,
                     Findings& found)
{
    if (ohms > 0) return true;
    found.push_back({Severity::refused, namedProblem(m, name, text, m.resistanceNotPositive)});
    return false;
}

bool checkMeasuredB(const Messages& m, double r1, double r2, const models::MeasuredB& b, Findings& found)
{
    if (b.value > 0) {
        if (!models::isNtcB(b.value)) checkNtcB(m, calc::betaName(b.t1Kelvin, b.t2Kelvin), b.value, found);
        return true;
    }
    found.push_back({Severity::refused, r1 == r2 ? std::string(m.equalResistancesB)
                                                 : format(m.measuredBNotPositive, {calc::fullValueText(b.value)})});
    return false;
}

void checkNtcB(const Messages& m, std::string_view name, double b, Findings& found)
{
    if (!(b > 0) || models::isNtcB(b)) return;
    found.push_back({Severity::warning,
                     format(m.bOutsideNtc, {name, calc::fullValueText(b), calc::fullValueText(models::kLeastNtcB),
                                            calc::fullValueText(models::kGreatestNtcB)})});
}

void checkReadAsCelsius(const Messages& m, const std::vector<std::string>& named, const std::vector<double>& values,
                        Findings& found)
{
    if (values.empty()) return;
    for (double value : values)
        if (!models::looksLikeKelvin(value)) return;
    found.push_back({Severity::warning, format(m.readAsCelsius, {joined(m, named)})});
}

void checkModel(const Messages& m, const models::ThermistorModel& model, std::string_view r25Text,
                std::string_view betaText, Findings& found)
{
    if (const auto* sh = std::get_if<models::SteinhartHart>(&model)) {
        checkCoefficients(m, *sh, found);
        return;
    }
    checkBetaModel(m, std::get<models::BetaModel>(model), "--r25", r25Text, betaText, found);
}

void checkBetaModel(const Messages& m, const models::BetaModel& beta, std::string_view r0Name, std::string_view r0Text,
                    std::string_view betaText, Findings& found)
{
    checkResistance(m, r0Name, r0Text, beta.r0, found);
    if (!(beta.beta > 0)) found.push_back({Severity::refused, namedProblem(m, "--beta", betaText, m.betaNotPositive)});
}

void checkCoefficients(const Messages& m, const models::SteinhartHart& coefficients, Findings& found)
{
    if (!(coefficients.b > 0)) found.push_back({Severity::warning, std::string(m.shBNotPositive)});
    if (coefficients.c < 0) found.push_back({Severity::warning, std::string(m.cNegative)});
}

std::optional<std::string> windowOrderHint(const Messages& m, const std::vector<std::string>& readings,
                                           bool kelvinByDefault)
{
    if (readings.size() != 4) return std::nullopt;
    try {
        if (!looksLikeResistance(readings[1], kelvinByDefault) || !looksLikeTemperature(readings[2], kelvinByDefault))
            return std::nullopt;
    } catch (const models::ModelFailure&) {
        return std::nullopt;
    }
    const std::string reordered = readings[0] + " " + readings[2] + " " + readings[1] + " " + readings[3];
    return format(m.windowOrder, {shownValue(m, reordered)});
}

} // namespace cli
