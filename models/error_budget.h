// ntc-beta: how far a thermistor reading can be off: the part's and the circuit's tolerances, the ADC, self-heating.
#pragma once

#include "models/divider.h"
#include "models/rt_table.h"

#include <span>
#include <vector>

namespace models {

// Tolerances as fractions (0.01 for 1 %) and counts. `r25` scales the
// part's resistance at every temperature; `beta` scales its B: for any
// model, ln R about the resistance at 25 °C, ln R' = ln R25 + (1 ± beta)·
// (ln R − ln R25), which for a beta model is exactly a B off by that
// fraction. `resistor` is the fixed resistor's; `reference` the ADC
// reference's where it is not the divider's supply (a ratiometric reading
// does not depend on it, so it is then ignored); `adcCounts` the ADC's own
// error (offset, gain, nonlinearity) in counts, either way.
struct Tolerances {
    double r25 = 0.0;
    double beta = 0.0;
    double resistor = 0.0;
    double reference = 0.0;
    double adcCounts = 0.0;
};

// The thermistor's temperature rise in kelvin from the power the divider's
// supply drives through it: P = I²·R with the current of its own branch,
// over the dissipation constant in mW/K (the datasheet's δ). 0 when the
// dissipation constant is 0 (not given).
double selfHeatingKelvin(const Divider& divider, double thermistorOhms, double milliwattsPerKelvin);

// One temperature of the budget, in kelvin. The firmware reads the nominal
// part through the nominal circuit; the error is the temperature it then
// reports minus the true one. `cornersKelvin` is the largest |error| over
// every corner of the tolerances (each at +, − or, when 0, nominal, all at
// once, computed through the divider, not summed), self-heating included
// at each; `worstKelvin` adds half a count of quantisation to it. The
// contributions are each alone (the others nominal): the largest |error| of
// its two signs, `quantisationKelvin` half a count, `selfHeatingKelvin` the
// error self-heating alone gives. `rssKelvin` is the root sum of their
// squares. `readable` is false when a corner puts the reading on a rail
// (a code of 0 or 2^bits − 1, what an open or shorted sensor reads) or
// where the model gives no temperature; the figures are then NaN.
struct BudgetRow {
    double celsius = 0.0;
    double worstKelvin = 0.0;
    double rssKelvin = 0.0;
    double cornersKelvin = 0.0;
    double r25Kelvin = 0.0;
    double betaKelvin = 0.0;
    double resistorKelvin = 0.0;
    double referenceKelvin = 0.0;
    double adcKelvin = 0.0;
    double quantisationKelvin = 0.0;
    double selfHeatingKelvin = 0.0;
    double riseKelvin = 0.0; // the nominal part's self-heating at this temperature
    bool readable = true;
};

// One row per temperature in °C. The divider must be valid and the model
// one whose resistance falls with temperature. Throws ModelFailure as the
// model does at a temperature it cannot take.
std::vector<BudgetRow> errorBudget(const ThermistorModel& model, const Divider& divider, const Tolerances& tolerances,
                                   double milliwattsPerKelvin, std::span<const double> celsius);

} // namespace models
