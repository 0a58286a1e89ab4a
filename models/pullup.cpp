// ntc-beta: choosing the fixed resistor of a thermistor divider: the E series and each candidate's resolution over a range.
#include "models/pullup.h"

#include "models/error_budget.h"

#include "calc/b_value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace models {

namespace {

// One decade of each series, as IEC 60063 lists it (E48 is every second
// value of E96).
constexpr std::array<int, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

// The decade's values as integers and the power of ten they stand at (10
// for E12/E24's two digits: 47 is 4.7 times the decade's start).
std::vector<int> decadeOf(ESeries series, int& scale)
{
    scale = series == ESeries::e12 || series == ESeries::e24 ? 10 : 100;
    switch (series) {
    case ESeries::e12: return {kE12.begin(), kE12.end()};
    case ESeries::e24: return {kE24.begin(), kE24.end()};
    case ESeries::e48: {
        std::vector<int> values;
        for (std::size_t i = 0; i < kE96.size(); i += 2) values.push_back(kE96[i]);
        return values;
    }
    case ESeries::e96: return {kE96.begin(), kE96.end()};
    }
    return {};
}

// 47 at the decade 10^3 over a scale of 10: 4700, computed from integers
// so that 10 kΩ is exactly 10000.
double valueAt(int digits, int scale, int exponent)
{
    // 10^n by multiplication, exact to 10^22: every C library's pow alike.
    double power = 1;
    for (int i = 0; i < std::abs(exponent); ++i) power *= 10;
    if (exponent >= 0) return double(digits) * power / scale;
    return double(digits) / (scale * power);
}

double celsiusPerCount(const Divider& divider, double ohms, double ohmsPerKelvin)
{
    const double countsPerKelvin = std::fabs(countsPerOhm(divider, ohms) * ohmsPerKelvin);
    return countsPerKelvin > 0 ? 1 / countsPerKelvin : INFINITY;
}

} // namespace

std::vector<double> eSeriesValues(ESeries series, double lowOhms, double highOhms)
{
    if (!(lowOhms > 0 && lowOhms <= highOhms && std::isfinite(highOhms))) return {};
    if (std::log10(highOhms / lowOhms) > kMaxSeriesDecades) return {};
    int scale = 1;
    const std::vector<int> decade = decadeOf(series, scale);
    std::vector<double> values;
    // Decades from the one below the lowest value, so none is missed to rounding.
    for (int exponent = int(std::floor(std::log10(lowOhms))) - 1; exponent <= int(std::ceil(std::log10(highOhms)));
         ++exponent)
        for (int digits : decade) {
            const double v = valueAt(digits, scale, exponent);
            if (v >= lowOhms * (1 - 1e-12) && v <= highOhms * (1 + 1e-12)) values.push_back(v);
        }
    return values;
}

ThermistorSamples sampleThermistor(const ThermistorModel& model, double fromCelsius, double toCelsius)
{
    ThermistorSamples samples;
    if (!(std::isfinite(fromCelsius) && std::isfinite(toCelsius) && fromCelsius <= toCelsius)) return samples;
    const double span = toCelsius - fromCelsius;
    const double wanted = std::max(double(kLeastSamples), std::ceil(span / kResolutionStepKelvin));
    const std::size_t intervals = span == 0 ? 0 : std::size_t(std::min(wanted, double(kMaxTableRows - 1)));
    for (std::size_t i = 0; i <= intervals; ++i) {
        const double celsius = intervals == 0 ? fromCelsius : fromCelsius + span * double(i) / double(intervals);
        const double kelvin = toKelvin(celsius, true);
        const double ohms = resistanceAt(model, kelvin);
        samples.celsius.push_back(celsius);
        samples.ohms.push_back(ohms);
        samples.ohmsPerKelvin.push_back(ohms * alphaAt(model, kelvin) / 100);
    }
    return samples;
}

ResolutionSummary resolutionOver(const ThermistorSamples& samples, const Divider& divider, double milliwattsPerKelvin)
{
    ResolutionSummary summary;
    summary.minCount = UINT32_MAX;
    const std::uint32_t top = (std::uint32_t(1) << divider.bits) - 1;
    double sum = 0;
    for (std::size_t i = 0; i < samples.celsius.size(); ++i) {
        const double resolution = celsiusPerCount(divider, samples.ohms[i], samples.ohmsPerKelvin[i]);
        if (i == 0 || resolution > summary.worstCelsiusPerCount) {
            summary.worstCelsiusPerCount = resolution;
            summary.worstAtCelsius = samples.celsius[i];
        }
        sum += resolution;
        const std::uint32_t count = adcCount(divider, samples.ohms[i]);
        summary.minCount = std::min(summary.minCount, count);
        summary.maxCount = std::max(summary.maxCount, count);
        if (count == 0 || count == top) summary.onRail = true;
        summary.largestRiseKelvin =
            std::max(summary.largestRiseKelvin, selfHeatingKelvin(divider, samples.ohms[i], milliwattsPerKelvin));
    }
    summary.meanCelsiusPerCount = samples.celsius.empty() ? 0 : sum / double(samples.celsius.size());
    if (samples.celsius.empty()) summary.minCount = 0;
    return summary;
}

std::vector<FixedResistorChoice> rankFixedResistors(const ThermistorSamples& samples, const Divider& circuit,
                                                    std::span<const double> candidates, double milliwattsPerKelvin)
{
    std::vector<FixedResistorChoice> choices;
    Divider divider = circuit;
    for (double ohms : candidates) {
        divider.fixedOhms = ohms;
        choices.push_back({ohms, resolutionOver(samples, divider, milliwattsPerKelvin)});
    }
    std::stable_sort(choices.begin(), choices.end(), [](const FixedResistorChoice& l, const FixedResistorChoice& r) {
        if (l.summary.onRail != r.summary.onRail) return r.summary.onRail;
        if (l.summary.worstCelsiusPerCount != r.summary.worstCelsiusPerCount)
            return l.summary.worstCelsiusPerCount < r.summary.worstCelsiusPerCount;
        return l.summary.meanCelsiusPerCount < r.summary.meanCelsiusPerCount;
    });
    return choices;
}

} // namespace models
