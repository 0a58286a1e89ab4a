// ntc-beta-cli: readings typed on the command line or found in a CSV cell.
#include "cli/readings.h"

#include "calc/b_value.h"
#include "calc/number_text.h"
#include "models/quantity.h"

namespace cli {

std::optional<Temperature> readTemperature(std::string_view text, bool kelvinByDefault)
{
    const auto read = models::parseTemperature(text);
    if (!read) return std::nullopt;
    switch (read->unit) {
    case models::TemperatureUnit::unspecified: return Temperature{read->value, !kelvinByDefault};
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
    try {
        return t.celsius ? calc::add(t.value, calc::kCelsiusOffset) : t.value;
    } catch (const calc::NumericFailure&) {
        throw models::ModelFailure(models::ModelFailureKind::overflow);
    }
}

models::MeasuredB betaOf(double r1, Temperature t1, double r2, Temperature t2)
{
    if (t1.celsius && t2.celsius) return models::measureB(r1, t1.value, r2, t2.value, true);
    return models::measureB(r1, kelvinOf(t1), r2, kelvinOf(t2), false);
}

} // namespace cli
