// ntc-beta-cli: readings typed on the command line or found in a CSV cell.
#include "cli/input/readings.h"

#include "calc/arithmetic.h"
#include "calc/b_value.h"
#include "cli/input/plausibility.h"
#include "models/quantity.h"

namespace cli {

namespace {

// The checks on a value already read, as the readers below apply them.
std::optional<double> checkedOhms(const Messages& m, std::string_view name, std::string_view text, double ohms,
                                  Findings& found)
{
    if (!checkResistance(m, name, text, ohms, found)) return std::nullopt;
    return ohms;
}

std::nullopt_t refusedTemperature(const Messages& m, std::string_view name, std::string_view text,
                                  const models::ModelFailure& failure, Findings& found)
{
    found.push_back({Severity::refused, namedProblem(m, name, text, failureText(m, failure.kind()))});
    return std::nullopt;
}

std::optional<Temperature> checkedReading(const Messages& m, std::string_view name, std::string_view text,
                                          Temperature t, Findings& found)
{
    try {
        const double kelvin = kelvinOf(t);
        models::requireAboveAbsoluteZero(kelvin);
        checkUseRange(m, name, text, kelvin, found);
        return t;
    } catch (const models::ModelFailure& failure) {
        return refusedTemperature(m, name, text, failure, found);
    }
}

std::optional<models::MeasuredB> checkedB(const Messages& m, double r1, Temperature t1, double r2, Temperature t2,
                                          Findings& found)
{
    try {
        const models::MeasuredB b = betaOf(r1, t1, r2, t2);
        if (!checkMeasuredB(m, r1, r2, b, found)) return std::nullopt;
        return b;
    } catch (const models::ModelFailure& failure) {
        found.push_back({Severity::refused, std::string(failureText(m, failure.kind()))});
        return std::nullopt;
    }
}

// T1 and T2 as typed: when both have no unit, and so are read as °C, and
// both look like kelvin, the warning that says so.
void checkTypedCelsius(const Messages& m, const std::array<std::string_view, 4>& names,
                       const std::array<std::string_view, 4>& texts, Findings& found)
{
    std::vector<double> values;
    for (std::size_t i : {1u, 3u}) {
        const auto read = models::parseTemperature(texts[i]);
        if (!read || read->unit != models::TemperatureUnit::unspecified) return;
        values.push_back(read->value);
    }
    checkReadAsCelsius(m, {named(m, names[1], texts[1]), named(m, names[3], texts[3])}, values, found);
}

} // namespace

Temperature unitless(double value, bool kelvinByDefault)
{
    return Temperature{value, !kelvinByDefault};
}

std::optional<Temperature> readTemperature(std::string_view text, bool kelvinByDefault)
{
    return readTemperature(text, kelvinByDefault ? models::TemperatureUnit::kelvin : models::TemperatureUnit::celsius);
}

std::optional<Temperature> readTemperature(std::string_view text, models::TemperatureUnit unitless)
{
    auto read = models::parseTemperature(text);
    if (!read) return std::nullopt;
    if (read->unit == models::TemperatureUnit::unspecified) read->unit = unitless;
    switch (read->unit) {
    case models::TemperatureUnit::unspecified:
    case models::TemperatureUnit::celsius: return Temperature{read->value, true};
    case models::TemperatureUnit::kelvin: return Temperature{read->value, false};
    case models::TemperatureUnit::fahrenheit:
        try {
            return Temperature{models::fahrenheitToCelsius(read->value), true};
        } catch (const calc::NumericFailure&) {
            throw models::ModelFailure(models::ModelFailureKind::overflow);
        }
    }
    return std::nullopt;
}

double kelvinOf(Temperature t)
{
    return models::toKelvin(t.value, t.celsius);
}

models::MeasuredB betaOf(double r1, Temperature t1, double r2, Temperature t2)
{
    return models::measureB(r1, kelvinOf(t1), r2, kelvinOf(t2), false);
}

std::string readingName(char kind, std::size_t index)
{
    // Appended rather than "T" + …, which GCC 12 misreads as an overlapping copy.
    std::string name(1, kind);
    return name.append(std::to_string(index + 1));
}

std::string unreadableResistance(const Messages& m, std::string_view name, std::string_view text)
{
    if (models::beyondDoubleRange(text)) return namedProblem(m, name, text, m.beyondRange);
    if (const auto spelled = models::resistorMarking(text))
        return namedProblem(m, name, text, format(m.writeMarking, {*spelled}));
    return namedProblem(m, name, text, m.expectedResistance);
}

std::string unreadableTemperature(const Messages& m, std::string_view name, std::string_view text)
{
    if (models::beyondDoubleRange(text)) return namedProblem(m, name, text, m.beyondRange);
    if (models::kiloOnTemperature(text)) return namedProblem(m, name, text, m.kiloOnTemperature);
    return namedProblem(m, name, text, m.expectedTemperature);
}

std::optional<double> checkedResistance(const Messages& m, std::string_view name, std::string_view text,
                                        Findings& found)
{
    const auto ohms = models::parseResistance(text);
    if (!ohms) {
        found.push_back({Severity::unreadable, unreadableResistance(m, name, text)});
        return std::nullopt;
    }
    return checkedOhms(m, name, text, *ohms, found);
}

std::optional<Temperature> checkedTemperature(const Messages& m, std::string_view name, std::string_view text,
                                              bool kelvinByDefault, Findings& found)
{
    return checkedTemperature(m, name, text,
                              kelvinByDefault ? models::TemperatureUnit::kelvin : models::TemperatureUnit::celsius,
                              found);
}

std::optional<Temperature> checkedTemperature(const Messages& m, std::string_view name, std::string_view text,
                                              models::TemperatureUnit unitless, Findings& found)
{
    std::optional<Temperature> t;
    try {
        t = readTemperature(text, unitless);
    } catch (const models::ModelFailure& failure) {
        return refusedTemperature(m, name, text, failure, found);
    }
    if (!t) {
        found.push_back({Severity::unreadable, unreadableTemperature(m, name, text)});
        return std::nullopt;
    }
    return checkedReading(m, name, text, *t, found);
}

std::optional<models::MeasuredB> checkedBeta(const Messages& m, const std::array<std::string_view, 4>& names,
                                             const std::array<std::string_view, 4>& texts, bool kelvinByDefault,
                                             Findings& found)
{
    const auto r1 = checkedResistance(m, names[0], texts[0], found);
    const auto t1 = checkedTemperature(m, names[1], texts[1], kelvinByDefault, found);
    const auto r2 = checkedResistance(m, names[2], texts[2], found);
    const auto t2 = checkedTemperature(m, names[3], texts[3], kelvinByDefault, found);
    if (!r1 || !t1 || !r2 || !t2) return std::nullopt;
    if (!kelvinByDefault) checkTypedCelsius(m, names, texts, found);
    return checkedB(m, *r1, *t1, *r2, *t2, found);
}

std::optional<models::MeasuredB> checkedBetaOfNumbers(const Messages& m, const std::array<std::string_view, 4>& names,
                                                      const std::array<std::string_view, 4>& texts,
                                                      const std::array<double, 4>& numbers, bool kelvinByDefault,
                                                      Findings& found)
{
    const auto r1 = checkedOhms(m, names[0], texts[0], numbers[0], found);
    const auto t1 = checkedReading(m, names[1], texts[1], unitless(numbers[1], kelvinByDefault), found);
    const auto r2 = checkedOhms(m, names[2], texts[2], numbers[2], found);
    const auto t2 = checkedReading(m, names[3], texts[3], unitless(numbers[3], kelvinByDefault), found);
    if (!r1 || !t1 || !r2 || !t2) return std::nullopt;
    if (!kelvinByDefault && models::looksLikeKelvin(numbers[1]) && models::looksLikeKelvin(numbers[3]))
        checkTypedCelsius(m, names, texts, found);
    return checkedB(m, *r1, *t1, *r2, *t2, found);
}

std::optional<double> checkedCelsius(const Messages& m, std::string_view name, std::string_view text,
                                     bool kelvinByDefault, Findings& found)
{
    const auto t = checkedTemperature(m, name, text, kelvinByDefault, found);
    if (!t) return std::nullopt;
    return t->celsius ? t->value : calc::kelvinToCelsius(t->value);
}

} // namespace cli
