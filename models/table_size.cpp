// ntc-beta: how far linear interpolation between an ADC table's rows strays, and the fewest rows within a bound.
#include "models/table_size.h"

#include "calc/b_value.h"

#include <algorithm>
#include <cmath>

namespace models {

namespace {

double interpolated(const StoredRow& a, const StoredRow& b, double count)
{
    if (b.count == a.count) return a.celsius;
    return a.celsius + (b.celsius - a.celsius) * (count - a.count) / double(b.count - a.count);
}

// Whether rows i and j of the per-code table, as stored, keep every code
// from i to j within the bound.
bool keepsWithin(const std::vector<AdcRow>& rows, std::size_t i, std::size_t j, double bound, double step)
{
    const StoredRow a{rows[i].count, storedCelsius(rows[i].celsius, step)};
    const StoredRow b{rows[j].count, storedCelsius(rows[j].celsius, step)};
    for (std::size_t k = i; k <= j; ++k)
        if (std::fabs(interpolated(a, b, rows[k].count) - rows[k].celsius) > bound) return false;
    return true;
}

// The farthest row after i that keeps within the bound: doubling the
// reach while it holds, then halving between the last that held and the
// first that did not. The next row itself always holds (only the two rows'
// own rounding lies between them, within the bound).
std::size_t farthestWithin(const std::vector<AdcRow>& rows, std::size_t i, double bound, double step)
{
    const std::size_t last = rows.size() - 1;
    std::size_t good = i + 1, bad = last + 1;
    for (std::size_t reach = 2; good < last; reach *= 2) {
        const std::size_t next = std::min(last, i + reach);
        if (!keepsWithin(rows, i, next, bound, step)) {
            bad = next;
            break;
        }
        good = next;
    }
    while (bad <= last && bad - good > 1) {
        const std::size_t middle = good + (bad - good) / 2;
        (keepsWithin(rows, i, middle, bound, step) ? good : bad) = middle;
    }
    return good;
}

} // namespace

double storedCelsius(double celsius, double step)
{
    return step > 0 ? std::round(celsius / step) * step : celsius;
}

double storedStep(TableFormat format, TemperatureType type)
{
    if (format == TableFormat::csv) return 0;
    if (format == TableFormat::marlin) return 1;
    switch (type) {
    case TemperatureType::tenths: return 0.1;
    case TemperatureType::hundredths: return 0.01;
    case TemperatureType::whole: return 1;
    case TemperatureType::floating: return 0.01;
    }
    return 0;
}

std::vector<StoredRow> storedRows(const AdcTable& table, double step)
{
    std::vector<StoredRow> rows;
    for (const AdcRow& row : table.rows) rows.push_back({row.count, storedCelsius(row.celsius, step)});
    return rows;
}

InterpolationError interpolationError(std::span<const StoredRow> rows, const FirmwareModel& model,
                                      const Divider& divider)
{
    InterpolationError worst;
    if (rows.size() < 2) return worst;
    std::size_t segment = 0;
    for (std::uint32_t count = rows.front().count; count <= rows.back().count; ++count) {
        while (segment + 2 < rows.size() && count > rows[segment + 1].count) ++segment;
        const double ohms = thermistorOhmsAtCount(divider, count);
        if (!(ohms > 0)) continue;
        double celsius = 0;
        try {
            celsius = temperatureAt(model, ohms) - calc::kCelsiusOffset;
        } catch (const ModelFailure&) {
            continue;
        }
        const double error = std::fabs(interpolated(rows[segment], rows[segment + 1], count) - celsius);
        if (error > worst.kelvin) worst = {error, count, celsius};
    }
    return worst;
}

std::vector<AdcRow> fewestRows(const AdcTable& everyCount, double maxErrorKelvin, double step)
{
    const std::vector<AdcRow>& rows = everyCount.rows;
    if (rows.empty() || !(maxErrorKelvin >= step / 2)) return {};
    std::vector<AdcRow> kept{rows.front()};
    for (std::size_t i = 0; i + 1 < rows.size();) {
        i = farthestWithin(rows, i, maxErrorKelvin, step);
        kept.push_back(rows[i]);
    }
    return kept;
}

} // namespace models
