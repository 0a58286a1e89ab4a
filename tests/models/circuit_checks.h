// The beta model and a thermistor to ground under a pull-up, written out in
// the circuit tests' own words (not through the code under test).
#pragma once

#include <cmath>

namespace models_test {

// R(T) of a beta model and its inverse, T in °C.
inline double betaOhms(double r25, double b, double celsius)
{
    return r25 * std::exp(b * (1 / (celsius + 273.15) - 1 / 298.15));
}
inline double betaCelsius(double r25, double b, double ohms)
{
    return 1 / (1 / 298.15 + std::log(ohms / r25) / b) - 273.15;
}

// °C per count of a thermistor to ground under a pull-up, full scale `fs`:
// 1 / (fs · Rp / (R + Rp)² · R · B / T²).
inline double resolutionByHand(double r25, double b, double pullUp, double fs, double celsius)
{
    const double r = betaOhms(r25, b, celsius), t = celsius + 273.15;
    return 1 / (fs * pullUp / ((r + pullUp) * (r + pullUp)) * r * b / (t * t));
}

} // namespace models_test
