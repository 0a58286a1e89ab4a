// ntc-beta: a beta model as a datasheet states it, R0 at T0 and B named by its pair of temperatures.
#pragma once

#include "models/thermistor.h"

namespace models {

// R0 at any T0 (BetaModel) and the two temperatures the B was
// measured between, in kelvin (B25/85: 298.15 and 358.15); both 0 when the
// datasheet's pair is not known.
struct BetaReference {
    BetaModel model;
    double pairLowKelvin = 0.0;
    double pairHighKelvin = 0.0;
};

// How far a range of temperatures (kelvin) reaches beyond the ones the
// model is anchored at: T0 and the B's pair. 0 when the range lies within
// them. The beta model is exact at its anchors only; a real thermistor's B
// drifts with temperature, so its error grows with this distance.
double kelvinBeyondAnchors(const BetaReference& reference, double fromKelvin, double toKelvin);

// The distance beyond the anchors from which a table from the beta model is
// worth a warning. Measured on four datasheet tables (TDK 8016, Murata XH,
// Semitec 104GT-2, Vishay 3977) with their own R25 and B25/50, B25/85 or
// B25/100: the beta model is 0.2–0.4 K off 10 K beyond the anchors,
// 0.5–0.9 K 20 K beyond, 1.2–2.1 K 40 K beyond, 2.9–3.8 K at −40 °C and
// 20 K at 300 °C (Semitec).
inline constexpr double kBetaReachKelvin = 10.0;

} // namespace models
