// ntc-beta: a model in the forms firmware takes it: a beta model, or a three-term Steinhart–Hart curve by three points.
#include "models/firmware_curve.h"
#include "models/exact_math.h"

#include "calc/b_value.h"
#include "models/table_fit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace models {

namespace {

// The range's ends and its middle; on whole °C where the ends are whole
// and far enough apart for the middle to stand between them.
std::array<double, 3> pointKelvins(double fromKelvin, double toKelvin)
{
    const double from = fromKelvin - calc::kCelsiusOffset, to = toKelvin - calc::kCelsiusOffset;
    double middle = (from + to) / 2;
    if (from == std::round(from) && to - from >= 2) middle = std::round(middle);
    return {fromKelvin, middle + calc::kCelsiusOffset, toKelvin};
}

std::array<Reading, 3> readingsOn(const ThermistorModel& model, const std::array<double, 3>& kelvins)
{
    std::array<Reading, 3> readings;
    for (std::size_t i = 0; i < 3; ++i) readings[i] = {resistanceAt(model, kelvins[i]), kelvins[i]};
    return readings;
}

// The three-term least-squares curve through the model at every kelvin of
// the range (at least 20 points), and the largest error it leaves there.
FirmwareCurve threeTermStandIn(const SteinhartHart4& model, double fromKelvin, double toKelvin)
{
    const std::size_t intervals = std::max<std::size_t>(20, std::size_t(std::ceil(toKelvin - fromKelvin)));
    std::vector<TablePoint> points;
    for (std::size_t i = 0; i <= intervals; ++i) {
        const double kelvin = fromKelvin + (toKelvin - fromKelvin) * double(i) / double(intervals);
        points.push_back({kelvin, resistanceAt(model, kelvin), 0});
    }
    const TableFit fit = fitTable(points, FitKind::steinhart);
    const SteinhartHart three{fit.curve.a, fit.curve.b, fit.curve.c};
    return {readingsOn(three, pointKelvins(fromKelvin, toKelvin)), fit.maxErrorKelvin};
}

} // namespace

FirmwareCurve firmwareCurve(const ThermistorModel& model, double fromKelvin, double toKelvin)
{
    if (const auto* beta = std::get_if<BetaModel>(&model)) return {*beta, 0.0};
    if (const auto* four = std::get_if<SteinhartHart4>(&model); four && four->d != 0)
        return threeTermStandIn(*four, fromKelvin, toKelvin);
    return {readingsOn(model, pointKelvins(fromKelvin, toKelvin)), 0.0};
}

FirmwareCurve firmwareCurve(const std::array<Reading, 3>& readings)
{
    std::array<Reading, 3> sorted = readings;
    std::sort(sorted.begin(), sorted.end(), [](const Reading& l, const Reading& r) { return l.kelvin < r.kelvin; });
    return {sorted, 0.0};
}

SteinhartHart firmwareSteinhart(const FirmwareCurve& curve)
{
    if (const auto* beta = std::get_if<BetaModel>(&curve.form))
        return {1 / beta->t0Kelvin - logOf(beta->r0) / beta->beta, 1 / beta->beta, 0.0};
    const auto& p = std::get<std::array<Reading, 3>>(curve.form);
    return fitSteinhartHart(p[0], p[1], p[2]);
}

std::optional<CircuitFeature> unsupportedFeature(Firmware firmware, const Divider& divider)
{
    if (divider.side == ThermistorSide::high && firmware != Firmware::esphome)
        return CircuitFeature::thermistorToSupply;
    if (divider.seriesOhms > 0 && firmware != Firmware::klipper) return CircuitFeature::seriesResistor;
    if (!std::isinf(divider.parallelOhms)) return CircuitFeature::parallelResistor;
    if (divider.referenceVolts > 0 && firmware != Firmware::esphome) return CircuitFeature::separateReference;
    return std::nullopt;
}

} // namespace models
