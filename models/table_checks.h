// ntc-beta: what a datasheet's R/T table must be before a fit goes through it, and the rows that stray from it.
#pragma once

#include "models/table_fit.h"

#include <cstddef>
#include <span>
#include <vector>

namespace models {

// Why a table cannot be fitted. Rows are indices into the points given.
enum class TableFaultKind {
    tooFewRows,          // fewer distinct temperatures than the model needs
    repeatedTemperature, // `row` gives the temperature `other` gave before it
    notFalling,          // `row` breaks the fall of the resistance: between it and `other` the
                         // resistance rises (or stays) as the temperature rises
    risingThroughout,    // the resistance rises with the temperature over most of the table (a PTC,
                         // or the columns swapped): `row` the coldest row, `other` the hottest
};

struct TableFault {
    TableFaultKind kind = TableFaultKind::tooFewRows;
    std::size_t row = 0;
    std::size_t other = 0;
    std::size_t distinct = 0; // tooFewRows: the distinct temperatures found
    std::size_t needed = 0;   // tooFewRows: the least the model needs
};

// The faults found, the first kMaxNamedFaults of them named; `unnamed`
// counts those beyond.
struct TableFaults {
    std::vector<TableFault> faults;
    std::size_t unnamed = 0;
};

inline constexpr std::size_t kMaxNamedFaults = 10;

// Checks the points (temperatures in kelvin above 0, resistances above 0,
// as read) before a fit: each temperature once, at least `needed` distinct
// temperatures, and the resistance strictly falling as the temperature
// rises. The rows that break the fall are those outside the longest
// falling run through the table in order of temperature, so that one wrong
// value names its own row (22270 Ω where 2227 Ω belongs), not its
// neighbours; each is named with the row it conflicts with. When most rows
// rise, one risingThroughout fault stands for them all. Rows at a repeated
// temperature are named as such and left out of the fall's check. Faults
// come in order of row.
TableFaults tableFaults(std::span<const TablePoint> points, std::size_t needed);

// A row whose temperature lies far off a smooth curve through the others.
struct Outlier {
    std::size_t row = 0;
    double errorKelvin = 0.0;   // the curve through the other rows at this row's resistance, minus its
                                // temperature; infinite where that curve gives no temperature
    double typicalKelvin = 0.0; // the median of every row's |error| judged the same way
};

// The rule, chosen on the four datasheet tables in tests/models/data and 20
// thinned copies of each (every 2nd to 6th row from each start), also with
// their resistances cut to three digits: each row is judged by the
// four-term Steinhart-Hart curve (1, ln R, ln²R, ln³R, weighted as the
// fits are) through all the other rows, whatever model is fitted, since
// even a three-term fit errs 0.2 K on a clean table and a beta fit several
// kelvin. On those tables the worst row lies 0.01-0.6 K off: at most 9.2
// times the median row where below half a kelvin, at most 4.0 times where
// above. A row is named when it lies more than kOutlierFactor times the
// median and more than kOutlierFloorKelvin off: below half a kelvin a
// table's slip is smaller than a 1 % part's own tolerance, and no clean
// table comes near ten times its median above it. The
// worst row goes first, and the others are judged again without it, up to
// kMaxNamedFaults rows. Tables of fewer than kOutlierLeastRows rows are not
// judged: with fewer, the curve through the others has no row to spare.
inline constexpr double kOutlierFactor = 10.0;
inline constexpr double kOutlierFloorKelvin = 0.5;
inline constexpr std::size_t kOutlierLeastRows = 6;

// The outliers of points that passed tableFaults, worst first. Each row is
// judged as by a fit without it, through the fit's leverages (no refit per
// row), so a table of any length costs a few passes over it.
std::vector<Outlier> findOutliers(std::span<const TablePoint> points);

// B between the table's coldest and hottest rows, in kelvin: the B a
// datasheet would state for that pair. Needs two distinct temperatures
// (else NaN).
double endToEndB(std::span<const TablePoint> points);

} // namespace models
