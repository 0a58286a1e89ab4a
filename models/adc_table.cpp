// ntc-beta: ADC lookup tables for a thermistor in a divider, sorted for a binary search.
#include "models/adc_table.h"

#include "calc/b_value.h"

#include <algorithm>
#include <cmath>

namespace models {

namespace {

AdcRow rowAt(const FirmwareModel& model, const Divider& divider, double celsius, double ohms)
{
    const double kelvin = celsius + calc::kCelsiusOffset;
    AdcRow row;
    row.celsius = celsius;
    row.ohms = ohms;
    row.exactCount = exactCount(divider, ohms);
    row.count = adcCount(divider, ohms);
    row.volts = adcVolts(divider, ohms);
    const double ohmsPerKelvin = ohms * alphaAt(model, kelvin) / 100;
    row.celsiusPerCount = 1 / std::fabs(countsPerOhm(divider, ohms) * ohmsPerKelvin);
    return row;
}

bool onRail(const Divider& divider, std::uint32_t count)
{
    return count == 0 || count == (std::uint32_t(1) << divider.bits) - 1;
}

// Sorts by count and keeps, of rows sharing a count, the one whose exact
// reading lies nearest the code.
AdcTable ordered(std::vector<AdcRow> rows, const Divider& divider)
{
    AdcTable table;
    std::stable_sort(rows.begin(), rows.end(), [](const AdcRow& l, const AdcRow& r) { return l.count < r.count; });
    for (const AdcRow& row : rows) {
        if (onRail(divider, row.count)) {
            ++table.railRows;
            table.railCelsius.push_back(row.celsius);
            continue;
        }
        if (!table.rows.empty() && table.rows.back().count == row.count) {
            ++table.mergedRows;
            AdcRow& kept = table.rows.back();
            const bool nearer = std::fabs(row.exactCount - row.count) < std::fabs(kept.exactCount - kept.count);
            table.mergedCelsius.push_back(nearer ? kept.celsius : row.celsius);
            if (nearer) kept = row;
            continue;
        }
        table.rows.push_back(row);
    }
    return table;
}

} // namespace

AdcTable adcTableAt(const FirmwareModel& model, const Divider& divider, std::span<const double> celsius)
{
    std::vector<AdcRow> rows;
    rows.reserve(celsius.size());
    for (double c : celsius) rows.push_back(rowAt(model, divider, c, resistanceAt(model, c + calc::kCelsiusOffset)));
    return ordered(std::move(rows), divider);
}

AdcTable adcTablePerCount(const FirmwareModel& model, const Divider& divider, double fromCelsius, double toCelsius)
{
    std::vector<AdcRow> rows;
    const std::uint32_t top = (std::uint32_t(1) << divider.bits) - 1;
    for (std::uint32_t count = 1; count < top; ++count) {
        const double ohms = thermistorOhmsAtCount(divider, count);
        if (!(ohms > 0)) continue;
        try {
            const double celsius = temperatureAt(model, ohms) - calc::kCelsiusOffset;
            if (celsius < fromCelsius || celsius > toCelsius) continue;
            AdcRow row = rowAt(model, divider, celsius, ohms);
            row.count = count; // the code itself, even where rounding of V would land a hair away
            rows.push_back(row);
        } catch (const ModelFailure&) {
            // A code whose resistance the model does not reach has no row.
        }
    }
    return ordered(std::move(rows), divider);
}

} // namespace models
