// ntc-beta: least-squares fits of the thermistor models through a whole R/T table.
#pragma once

#include "models/thermistor.h"
#include "models/steinhart_hart4.h"

#include <cstddef>
#include <span>
#include <vector>

namespace models {

enum class FitKind {
    steinhart,  // 1/T = A + B·ln R + C·(ln R)³
    steinhart4, // the same with D·(ln R)²
    beta,       // R = R0·exp(B·(1/T − 1/T0)), R0 at a chosen T0
};

// One table row: a resistance in ohms at a temperature in kelvin, and the
// line of the file it came from (0 when it came from none), for messages.
struct TablePoint {
    double kelvin = 0.0;
    double ohms = 0.0;
    std::size_t line = 0;
};

// What to fit: the model, where the beta fit states R0 (kelvin), and an R0
// in ohms to keep rather than fit (0: fit it too). A beta fit with R0 kept
// fits B alone, 1/T − 1/T0 = (ln R − ln R0) / B, so that the curve passes
// through the datasheet's R25 exactly.
struct FitRequest {
    FitKind kind = FitKind::steinhart;
    double t0Kelvin = 298.15;
    double keptR0 = 0.0;
};

// The least number of points with distinct temperatures a fit needs: 3, 4, 2
// (1 for a beta fit with R0 kept).
std::size_t pointsNeeded(FitKind kind, bool r0Kept = false);

// The points whose temperature lies within fromKelvin .. toKelvin (both
// included), in their order.
std::vector<TablePoint> pointsWithin(std::span<const TablePoint> points, double fromKelvin, double toKelvin);

struct TableFit {
    FitKind kind = FitKind::steinhart;
    // The curve found, as a four-term model (d = 0 for steinhart, c = d = 0
    // for beta, where b = 1/B).
    SteinhartHart4 curve;
    // For the beta fit: R0 in ohms at the chosen T0 and B in kelvin.
    BetaModel beta;
    // Per point, in the order given: the fitted curve's temperature at the
    // point's resistance minus the point's temperature, in kelvin.
    std::vector<double> residualsKelvin;
    double maxErrorKelvin = 0.0; // largest |residual|
    double rmsErrorKelvin = 0.0;
    double fromKelvin = 0.0; // the table's temperature range: the fit holds
    double toKelvin = 0.0;   // here, and is an extrapolation outside it
    // Whether 1/T falls monotonically with ln R across the table (at every
    // point and half-way between neighbours); a four-term fit through
    // scattered measurements may turn back, and such a curve gives two
    // temperatures for one resistance.
    bool monotonic = true;
};

// Fits `kind` through the points by least squares. Each row is weighted by
// T², so the sum minimised is that of the temperature errors in kelvin to
// first order (not of 1/T, which would favour the cold end), and solved by
// solveLeastSquares. `t0Kelvin` is where the beta fit states R0.
// Throws ModelFailure: ratioNotPositive for a resistance <= 0,
// absoluteZero / belowAbsoluteZero for a temperature <= 0, singularFit for
// fewer than pointsNeeded(kind) distinct temperatures or ln R values that
// fix no curve, outsideModel when the fitted curve gives no positive
// temperature at a point of the table.
TableFit fitTable(std::span<const TablePoint> points, FitKind kind, double t0Kelvin = 298.15);

// The same for a request; with R0 kept (request.keptR0 > 0, beta only) the
// fit's R0 is that value, and a kept R0 of 0 or less throws
// ModelFailure(ratioNotPositive) as a table's resistance would.
TableFit fitTable(std::span<const TablePoint> points, const FitRequest& request);

} // namespace models
