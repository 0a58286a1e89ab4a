// ntc-beta: how far linear interpolation between an ADC table's rows strays, and the fewest rows within a bound.
#pragma once

#include "models/adc_table.h"
#include "models/firmware_text.h"

#include <cstdint>
#include <span>
#include <vector>

namespace models {

// A row as the firmware holds it: the code and the temperature in °C as
// stored (rounded to the format's resolution).
struct StoredRow {
    std::uint32_t count = 0;
    double celsius = 0.0;
};

// A temperature as a table stores it, rounded to a multiple of `step` °C
// (0.1 for tenths, 1 for whole degrees); `step` 0 keeps it as it is.
double storedCelsius(double celsius, double step);

// The step in °C a table's format stores its temperatures in: 0 for a CSV's
// six decimals, whole degrees for Marlin's tables, a C table's type's scale
// (a float's two decimals).
enum class TableFormat { csv, c, marlin };
double storedStep(TableFormat format, TemperatureType type);

// The rows of a table as stored with that step.
std::vector<StoredRow> storedRows(const AdcTable& table, double step);

// The largest error of the table as firmware reads it: at every code from
// the first row's to the last's, the temperature interpolated linearly
// between the two rows around it minus the model's temperature at that
// code (the centre of the code, through the divider), in kelvin; with the
// code and the model's temperature there. The rows' own rounding (a count
// rounded to a code, a temperature to the stored step) counts too. Codes
// where the model gives no temperature are skipped. Needs at least two
// rows in ascending order of count; otherwise the error is 0.
struct InterpolationError {
    double kelvin = 0.0;
    std::uint32_t atCount = 0;
    double atCelsius = 0.0;
};
InterpolationError interpolationError(std::span<const StoredRow> rows, const FirmwareModel& model,
                                      const Divider& divider);

// The fewest rows of `everyCount` (one row per code, adcTablePerCount)
// that keep the error above within `maxErrorKelvin` with temperatures
// stored at `step`: the first and last codes always, then greedily each
// next row the farthest code from the last one kept that keeps every code
// between within the bound (searched by doubling, then halving, each
// candidate checked at every code). Rows come in ascending order of count.
// Empty when `everyCount` is, or when the bound is below half the step (a
// row's stored temperature alone may then be off by more than the bound).
std::vector<AdcRow> fewestRows(const AdcTable& everyCount, double maxErrorKelvin, double step);

} // namespace models
