// ntc-beta: ADC lookup tables for a thermistor in a divider, sorted for a binary search.
#pragma once

#include "models/divider.h"
#include "models/rt_table.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

namespace models {

// Any of the models a table can come from (rt_table.h).
using FirmwareModel = ThermistorModel;

// One row: the ADC code, the reading as a real number before rounding, the
// temperature in °C, the thermistor's resistance in ohms, the ADC input in
// volts and the resolution there in °C per count (how far the temperature
// moves for one code).
struct AdcRow {
    std::uint32_t count = 0;
    double exactCount = 0.0;
    double celsius = 0.0;
    double ohms = 0.0;
    double volts = 0.0;
    double celsiusPerCount = 0.0;
    double riseKelvin = 0.0; // the thermistor's self-heating, where the caller computed it (error_budget.h)
};

// Rows in ascending order of count, each count once, so a firmware can
// search the table by count and interpolate between neighbours (two rows
// with one count would divide by zero there). `mergedRows` tells how many
// temperatures fell on a code another row already holds (the one nearest
// the code's centre is kept); `railRows` how many fell on 0 or 2^bits − 1,
// which are dropped: a reading on a rail is also what an open or shorted
// sensor gives, so no temperature should stand for it.
struct AdcTable {
    std::vector<AdcRow> rows;
    std::size_t mergedRows = 0;
    std::size_t railRows = 0;
    // The temperatures in °C of the rows merged away and of those on the
    // rails, in order of count, so that a reader can tell which are gone.
    std::vector<double> mergedCelsius;
    std::vector<double> railCelsius;
};

// One row per temperature in °C. Throws ModelFailure as the model
// does at the first temperature it cannot take.
AdcTable adcTableAt(const FirmwareModel& model, const Divider& divider, std::span<const double> celsius);

// One row per ADC code from 1 to 2^bits − 2 whose temperature lies within
// fromCelsius .. toCelsius; codes the model or the circuit cannot reach are
// left out.
AdcTable adcTablePerCount(const FirmwareModel& model, const Divider& divider, double fromCelsius, double toCelsius);

} // namespace models
