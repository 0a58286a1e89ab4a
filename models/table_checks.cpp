// ntc-beta: what a datasheet's R/T table must be before a fit goes through it, and the rows that stray from it.
#include "models/table_checks.h"
#include "models/exact_math.h"

#include "models/least_squares.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace models {

namespace {

// The rows in order of temperature, a repeated temperature's rows in order
// of the table.
std::vector<std::size_t> byTemperature(std::span<const TablePoint> points)
{
    std::vector<std::size_t> order(points.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t l, std::size_t r) { return points[l].kelvin < points[r].kelvin; });
    return order;
}

// The positions in `values` of a longest strictly falling run, in order
// (patience sorting on −value, O(n log n)).
std::vector<std::size_t> longestFall(const std::vector<double>& values)
{
    std::vector<std::size_t> tails;                // position of the last value of the best run of each length
    std::vector<std::size_t> before(values.size()); // the position before each in its run
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), i, [&](std::size_t tail, std::size_t) {
            return values[tail] > values[i];
        });
        before[i] = at == tails.begin() ? i : *(at - 1);
        if (at == tails.end()) tails.push_back(i);
        else *at = i;
    }
    std::vector<std::size_t> run(tails.size());
    for (std::size_t k = tails.size(), i = tails.empty() ? 0 : tails.back(); k-- > 0; i = before[i]) run[k] = i;
    return run;
}

std::vector<double> negated(std::vector<double> values)
{
    for (double& v : values) v = -v;
    return values;
}

// The nearest row in temperature order that `at` conflicts with: a colder
// one whose resistance is not above it, or a hotter one not below it. One
// exists for every row outside a longest falling run.
std::size_t conflictOf(const std::vector<double>& ohms, std::size_t at)
{
    for (std::size_t d = 1; d < ohms.size(); ++d) {
        if (at >= d && ohms[at - d] <= ohms[at]) return at - d;
        if (at + d < ohms.size() && ohms[at + d] >= ohms[at]) return at + d;
    }
    return at;
}

void add(TableFaults& found, const TableFault& fault)
{
    if (found.faults.size() < kMaxNamedFaults) found.faults.push_back(fault);
    else ++found.unnamed;
}

// Rows at a temperature an earlier row gave; `unique` gets one row per
// temperature, in order of temperature.
void findRepeats(std::span<const TablePoint> points, const std::vector<std::size_t>& order, TableFaults& found,
                 std::vector<std::size_t>& unique)
{
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i + 1;
        while (j < order.size() && points[order[j]].kelvin == points[order[i]].kelvin) ++j;
        if (j == i + 1) unique.push_back(order[i]);
        for (std::size_t k = i + 1; k < j; ++k)
            add(found, {TableFaultKind::repeatedTemperature, order[k], order[i], 0, 0});
        i = j;
    }
}

void findRises(std::span<const TablePoint> points, const std::vector<std::size_t>& unique, TableFaults& found)
{
    std::vector<double> ohms;
    for (std::size_t row : unique) ohms.push_back(points[row].ohms);
    const std::vector<std::size_t> fall = longestFall(ohms);
    if (fall.size() == ohms.size()) return;
    if (2 * fall.size() < ohms.size() && longestFall(negated(ohms)).size() > fall.size()) {
        add(found, {TableFaultKind::risingThroughout, unique.front(), unique.back(), 0, 0});
        return;
    }
    std::vector<bool> kept(ohms.size(), false);
    for (std::size_t at : fall) kept[at] = true;
    for (std::size_t at = 0; at < ohms.size(); ++at) {
        if (kept[at]) continue;
        // Only the rows named need their conflict found, which may take a
        // pass over the table each.
        if (found.faults.size() < kMaxNamedFaults)
            add(found, {TableFaultKind::notFalling, unique[at], unique[conflictOf(ohms, at)], 0, 0});
        else
            ++found.unnamed;
    }
}

// Each active row's error as judged by the four-term curve through the
// others; NaN for a row the others cannot judge (leverage 1).
std::vector<double> leaveOneOutErrors(std::span<const TablePoint> points, const std::vector<std::size_t>& active)
{
    // ln R about its mean: the same curve, better scaled columns.
    double mean = 0;
    for (std::size_t row : active) mean += logOf(points[row].ohms);
    mean /= double(active.size());
    Matrix a{active.size(), 4, std::vector<double>(active.size() * 4)};
    std::vector<double> b(active.size());
    for (std::size_t r = 0; r < active.size(); ++r) {
        const TablePoint& p = points[active[r]];
        const double weight = p.kelvin * p.kelvin, x = logOf(p.ohms) - mean;
        double power = weight;
        for (std::size_t c = 0; c < 4; ++c, power *= x) a.at(r, c) = power;
        b[r] = weight / p.kelvin;
    }
    std::vector<double> errors(active.size(), std::numeric_limits<double>::quiet_NaN());
    const Matrix rows = a;
    const auto fit = solveWithLeverages(std::move(a), b);
    if (!fit) return errors;
    for (std::size_t r = 0; r < active.size(); ++r) {
        const double h = fit->leverages[r];
        if (!(h < 1 - 1e-9)) continue;
        double fitted = 0;
        for (std::size_t c = 0; c < 4; ++c) fitted += rows.at(r, c) * fit->x[c];
        const TablePoint& p = points[active[r]];
        // b − e/(1 − h) is what the fit without this row gives here, in
        // the weighted units; divided by the weight it is 1/T.
        const double inverse = (b[r] - (b[r] - fitted) / (1 - h)) / (p.kelvin * p.kelvin);
        errors[r] = inverse > 0 && std::isfinite(1 / inverse) ? 1 / inverse - p.kelvin
                                                               : std::numeric_limits<double>::infinity();
    }
    return errors;
}

double median(std::vector<double> values)
{
    if (values.empty()) return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

} // namespace

TableFaults tableFaults(std::span<const TablePoint> points, std::size_t needed)
{
    TableFaults found;
    const std::vector<std::size_t> order = byTemperature(points);
    std::vector<std::size_t> unique;
    findRepeats(points, order, found, unique);
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < order.size(); ++i)
        if (i == 0 || points[order[i]].kelvin != points[order[i - 1]].kelvin) ++distinct;
    if (distinct < needed) add(found, {TableFaultKind::tooFewRows, 0, 0, distinct, needed});
    if (unique.size() >= 2) findRises(points, unique, found);
    std::stable_sort(found.faults.begin(), found.faults.end(),
                     [](const TableFault& l, const TableFault& r) { return l.row < r.row; });
    return found;
}

std::vector<Outlier> findOutliers(std::span<const TablePoint> points)
{
    std::vector<Outlier> outliers;
    std::vector<std::size_t> active(points.size());
    std::iota(active.begin(), active.end(), std::size_t{0});
    while (active.size() >= kOutlierLeastRows && outliers.size() < kMaxNamedFaults) {
        const std::vector<double> errors = leaveOneOutErrors(points, active);
        std::vector<double> sizes;
        std::size_t worst = active.size();
        for (std::size_t r = 0; r < errors.size(); ++r) {
            if (std::isnan(errors[r])) continue;
            sizes.push_back(std::fabs(errors[r]));
            if (worst == active.size() || sizes.back() > std::fabs(errors[worst])) worst = r;
        }
        if (worst == active.size()) break;
        const double typical = median(sizes);
        if (!(std::fabs(errors[worst]) > std::max(kOutlierFloorKelvin, kOutlierFactor * typical))) break;
        outliers.push_back({active[worst], errors[worst], typical});
        active.erase(active.begin() + std::ptrdiff_t(worst));
    }
    return outliers;
}

double endToEndB(std::span<const TablePoint> points)
{
    if (points.empty()) return std::numeric_limits<double>::quiet_NaN();
    const auto [cold, hot] = std::minmax_element(points.begin(), points.end(),
                                                 [](const TablePoint& l, const TablePoint& r) { return l.kelvin < r.kelvin; });
    if (cold->kelvin == hot->kelvin) return std::numeric_limits<double>::quiet_NaN();
    return (logOf(cold->ohms) - logOf(hot->ohms)) / (1 / cold->kelvin - 1 / hot->kelvin);
}

} // namespace models
