// ntc-beta-cli: readings typed on the command line or found in a CSV cell.
#include "cli/readings.h"

#include "calc/b_value.h"
#include "calc/number_text.h"
#include "calc/quantity.h"

namespace cli {

std::optional<Temperature> readTemperature(std::string_view text, bool kelvinByDefault)
{
    const auto read = calc::parseTemperature(text);
    if (!read) return std::nullopt;
    switch (read->unit) {
    case calc::TemperatureUnit::unspecified: return Temperature{read->value, !kelvinByDefault};
    case calc::TemperatureUnit::celsius: return Temperature{read->value, true};
    case calc::TemperatureUnit::kelvin: return Temperature{read->value, false};
    case calc::TemperatureUnit::fahrenheit:
        try {
            return Temperature{calc::fahrenheitToCelsius(read->value), true};
        } catch (const calc::NumericFailure&) {
            throw calc::ModelFailure(calc::ModelFailureKind::overflow);
        }
    }
    return std::nullopt;
}

double kelvinOf(Temperature t)
{
    try {
        return t.celsius ? calc::add(t.value, calc::kCelsiusOffset) : t.value;
    } catch (const calc::NumericFailure&) {
        throw calc::ModelFailure(calc::ModelFailureKind::overflow);
    }
}

calc::MeasuredB betaOf(double r1, Temperature t1, double r2, Temperature t2)
{
    if (t1.celsius && t2.celsius) return calc::measureB(r1, t1.value, r2, t2.value, true);
    return calc::measureB(r1, kelvinOf(t1), r2, kelvinOf(t2), false);
}

} // namespace cli
