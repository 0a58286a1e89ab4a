// ntc-beta: how far a thermistor reading can be off: the part's and the circuit's tolerances, the ADC, self-heating.
#include "models/error_budget.h"
#include "models/exact_math.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace models {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// One corner: each tolerance at −1, 0 or +1 times itself.
struct Corner {
    int r25 = 0, beta = 0, resistor = 0, reference = 0, adc = 0;
    bool selfHeating = true;
};

// The part the firmware does not know of: its resistance at a temperature.
double partOhms(const ThermistorModel& model, double lnR25, const Tolerances& t, const Corner& c, double kelvin)
{
    const double lnR = logOf(resistanceAt(model, kelvin));
    return expOf(lnR25 + log1pOf(c.r25 * t.r25) + (1 + c.beta * t.beta) * (lnR - lnR25));
}

// The temperature the firmware reports for a true temperature, or NaN where
// the reading is on a rail or the model gives no temperature.
double reportedCelsius(const ThermistorModel& model, const Divider& nominal, double lnR25, const Tolerances& t,
                       const Corner& c, double milliwattsPerKelvin, double celsius)
{
    Divider real = nominal;
    real.fixedOhms *= 1 + c.resistor * t.resistor;
    if (nominal.referenceVolts > 0) real.referenceVolts *= 1 + c.reference * t.reference;
    const double kelvin = toKelvin(celsius, true);
    double ohms = partOhms(model, lnR25, t, c, kelvin);
    // The part sits warmer than its surroundings by the power it takes,
    // which in turn depends on its resistance there: a few fixed-point steps.
    if (c.selfHeating && milliwattsPerKelvin > 0)
        for (int step = 0; step < 4; ++step)
            ohms = partOhms(model, lnR25, t, c, kelvin + selfHeatingKelvin(real, ohms, milliwattsPerKelvin));
    const double count = exactCount(real, ohms) + c.adc * t.adcCounts;
    // A code on a rail is what an open or shorted sensor reads too: no
    // temperature stands for it.
    const double code = std::round(count), top = std::ldexp(1.0, nominal.bits) - 1;
    if (!(code > 0 && code < top)) return kNaN;
    const double read = thermistorOhmsAtCount(nominal, count);
    if (!(read > 0)) return kNaN;
    try {
        return temperatureAt(model, read) - (kelvin - celsius);
    } catch (const ModelFailure&) {
        return kNaN;
    }
}

// The largest |error| over the corners given, NaN if any is unreadable.
template <typename Corners>
double largestError(const Corners& corners, const ThermistorModel& model, const Divider& divider, double lnR25,
                    const Tolerances& t, double milliwattsPerKelvin, double celsius)
{
    double largest = 0;
    for (const Corner& c : corners) {
        const double error = reportedCelsius(model, divider, lnR25, t, c, milliwattsPerKelvin, celsius) - celsius;
        if (std::isnan(error)) return kNaN;
        largest = std::max(largest, std::fabs(error));
    }
    return largest;
}

// Every corner: 3^5 sign choices, a zero tolerance's signs all alike.
std::vector<Corner> allCorners()
{
    std::vector<Corner> corners;
    for (int i = 0; i < 243; ++i) {
        int k = i;
        const auto next = [&k] { const int s = k % 3 - 1; k /= 3; return s; };
        Corner c;
        c.r25 = next();
        c.beta = next();
        c.resistor = next();
        c.reference = next();
        c.adc = next();
        corners.push_back(c);
    }
    return corners;
}

double oneAlone(int Corner::*which, double tolerance, const ThermistorModel& model, const Divider& divider,
                double lnR25, const Tolerances& t, double celsius)
{
    // No tolerance, no error: exactly 0, not the round trip's last bit.
    if (tolerance == 0) return 0;
    Corner up, down;
    up.selfHeating = down.selfHeating = false;
    up.*which = 1;
    down.*which = -1;
    return largestError(std::array{up, down}, model, divider, lnR25, t, 0, celsius);
}

double celsiusPerCount(const ThermistorModel& model, const Divider& divider, double celsius)
{
    const double kelvin = toKelvin(celsius, true);
    const double ohms = resistanceAt(model, kelvin);
    return 1 / std::fabs(countsPerOhm(divider, ohms) * ohms * alphaAt(model, kelvin) / 100);
}

BudgetRow rowAt(const ThermistorModel& model, const Divider& divider, const Tolerances& t, double milliwattsPerKelvin,
                double lnR25, const std::vector<Corner>& corners, double celsius)
{
    BudgetRow row;
    row.celsius = celsius;
    row.cornersKelvin = largestError(corners, model, divider, lnR25, t, milliwattsPerKelvin, celsius);
    row.r25Kelvin = oneAlone(&Corner::r25, t.r25, model, divider, lnR25, t, celsius);
    row.betaKelvin = oneAlone(&Corner::beta, t.beta, model, divider, lnR25, t, celsius);
    row.resistorKelvin = oneAlone(&Corner::resistor, t.resistor, model, divider, lnR25, t, celsius);
    const double reference = divider.referenceVolts > 0 ? t.reference : 0;
    row.referenceKelvin = oneAlone(&Corner::reference, reference, model, divider, lnR25, t, celsius);
    row.adcKelvin = oneAlone(&Corner::adc, t.adcCounts, model, divider, lnR25, t, celsius);
    row.quantisationKelvin = celsiusPerCount(model, divider, celsius) / 2;
    row.selfHeatingKelvin =
        milliwattsPerKelvin > 0
            ? largestError(std::array{Corner{}}, model, divider, lnR25, t, milliwattsPerKelvin, celsius)
            : 0.0;
    row.riseKelvin = selfHeatingKelvin(divider, resistanceAt(model, toKelvin(celsius, true)), milliwattsPerKelvin);
    row.worstKelvin = row.cornersKelvin + row.quantisationKelvin;
    row.rssKelvin = std::sqrt(row.r25Kelvin * row.r25Kelvin + row.betaKelvin * row.betaKelvin +
                              row.resistorKelvin * row.resistorKelvin + row.referenceKelvin * row.referenceKelvin +
                              row.adcKelvin * row.adcKelvin + row.quantisationKelvin * row.quantisationKelvin +
                              row.selfHeatingKelvin * row.selfHeatingKelvin);
    row.readable = std::isfinite(row.worstKelvin) && std::isfinite(row.rssKelvin);
    if (!row.readable) row.worstKelvin = row.rssKelvin = row.cornersKelvin = kNaN;
    return row;
}

} // namespace

double selfHeatingKelvin(const Divider& divider, double thermistorOhms, double milliwattsPerKelvin)
{
    if (!(milliwattsPerKelvin > 0)) return 0;
    const double network = networkOhms(divider, thermistorOhms);
    const double networkVolts = divider.supplyVolts * network / (network + divider.fixedOhms);
    const double amps = networkVolts / (thermistorOhms + divider.seriesOhms);
    return amps * amps * thermistorOhms * 1000 / milliwattsPerKelvin;
}

std::vector<BudgetRow> errorBudget(const ThermistorModel& model, const Divider& divider, const Tolerances& tolerances,
                                   double milliwattsPerKelvin, std::span<const double> celsius)
{
    const double lnR25 = logOf(resistanceAt(model, toKelvin(25, true)));
    const std::vector<Corner> corners = allCorners();
    std::vector<BudgetRow> rows;
    for (double c : celsius) rows.push_back(rowAt(model, divider, tolerances, milliwattsPerKelvin, lnR25, corners, c));
    return rows;
}

} // namespace models
