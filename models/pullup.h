// ntc-beta: choosing the fixed resistor of a thermistor divider: the E series and each candidate's resolution over a range.
#pragma once

#include "models/divider.h"
#include "models/rt_table.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace models {

// The preferred-number series of IEC 60063: 12, 24, 48 or 96 values per
// decade (E12 and E24 with two significant digits, E48 and E96 with three).
enum class ESeries { e12, e24, e48, e96 };

// The values of `series` from lowOhms to highOhms, both included, in
// ascending order, in ohms (10 kΩ is exactly 10000). Empty unless
// 0 < lowOhms <= highOhms, both finite, and at most kMaxSeriesDecades
// decades apart.
std::vector<double> eSeriesValues(ESeries series, double lowOhms, double highOhms);

inline constexpr int kMaxSeriesDecades = 9;

// The thermistor sampled once over a range so that many circuits can be
// judged on it: temperatures in °C, evenly spaced from `from` to `to` (both
// ends included), its resistance there in ohms and dR/dT in ohms per kelvin
// (negative for an NTC).
struct ThermistorSamples {
    std::vector<double> celsius;
    std::vector<double> ohms;
    std::vector<double> ohmsPerKelvin;
};

// Samples every kResolutionStepKelvin or finer, at least kLeastSamples
// intervals, at most kMaxTableRows points. Throws ModelFailure as the model
// does at the first temperature it cannot take; an empty result when the
// range is no range (from > to, not finite).
ThermistorSamples sampleThermistor(const ThermistorModel& model, double fromCelsius, double toCelsius);

inline constexpr double kResolutionStepKelvin = 0.1;
inline constexpr std::size_t kLeastSamples = 1000;

// How finely a circuit reads the thermistor over the samples: the largest
// °C per count (the resolution 1 / |d count / dT|, the derivative of the
// divider's reading, not a difference of codes) and where it lies, the mean
// over the samples, the smallest and largest code read, and whether any
// sample reads 0 or 2^bits − 1 (a rail, where an open or shorted sensor
// reads too). A sample where the count does not move has an infinite
// resolution.
struct ResolutionSummary {
    double worstCelsiusPerCount = 0.0;
    double worstAtCelsius = 0.0;
    double meanCelsiusPerCount = 0.0;
    std::uint32_t minCount = 0;
    std::uint32_t maxCount = 0;
    bool onRail = false;
    double largestRiseKelvin = 0.0; // self-heating, where a dissipation constant is given
};

// Needs samples from sampleThermistor (not empty) and a valid divider; with
// a dissipation constant in mW/K (0: none), the largest self-heating over
// the samples too (selfHeatingKelvin, error_budget.h).
ResolutionSummary resolutionOver(const ThermistorSamples& samples, const Divider& divider,
                                 double milliwattsPerKelvin = 0);

struct FixedResistorChoice {
    double ohms = 0.0;
    ResolutionSummary summary;
};

// Each candidate in `circuit`'s place for the fixed resistor, best first:
// the smallest worst-case °C per count, then the smallest mean; candidates
// that put any sample on a rail after all the others, whatever their
// resolution, so that none of them is ever the one chosen.
std::vector<FixedResistorChoice> rankFixedResistors(const ThermistorSamples& samples, const Divider& circuit,
                                                    std::span<const double> candidates,
                                                    double milliwattsPerKelvin = 0);

} // namespace models
