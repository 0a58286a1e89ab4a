// ntc-beta: a beta model as a datasheet states it, R0 at T0 and B named by its pair of temperatures.
#include "models/beta_reference.h"

#include <algorithm>

namespace models {

double kelvinBeyondAnchors(const BetaReference& reference, double fromKelvin, double toKelvin)
{
    double low = reference.model.t0Kelvin;
    double high = reference.model.t0Kelvin;
    if (reference.pairLowKelvin > 0 && reference.pairHighKelvin > 0) {
        low = std::min({low, reference.pairLowKelvin, reference.pairHighKelvin});
        high = std::max({high, reference.pairLowKelvin, reference.pairHighKelvin});
    }
    return std::max({0.0, low - fromKelvin, toKelvin - high});
}

} // namespace models
