// ntc-beta: a thermistor in a resistor divider read by an N-bit ADC.
#include "models/divider.h"

#include <cmath>

namespace models {

namespace {

double fullScale(const Divider& divider)
{
    const double power = std::ldexp(1.0, divider.bits);
    return divider.fullScale == FullScale::powerOfTwo ? power : power - 1;
}

// The divider's output as a fraction of the supply.
double supplyFraction(const Divider& divider, double thermistorOhms)
{
    const double network = networkOhms(divider, thermistorOhms);
    const double low = divider.side == ThermistorSide::low ? network : divider.fixedOhms;
    return low / (network + divider.fixedOhms);
}

} // namespace

bool isValid(const Divider& d)
{
    const bool finite = std::isfinite(d.fixedOhms) && std::isfinite(d.seriesOhms) && std::isfinite(d.supplyVolts) &&
                        std::isfinite(d.referenceVolts) && !std::isnan(d.parallelOhms);
    return finite && d.fixedOhms > 0 && d.seriesOhms >= 0 && d.parallelOhms > 0 && d.bits >= 1 && d.bits <= 16 &&
           d.supplyVolts > 0 && d.referenceVolts >= 0;
}

double referenceVolts(const Divider& divider)
{
    return divider.referenceVolts > 0 ? divider.referenceVolts : divider.supplyVolts;
}

double networkOhms(const Divider& divider, double thermistorOhms)
{
    const double branch = thermistorOhms + divider.seriesOhms;
    if (std::isinf(divider.parallelOhms)) return branch;
    return branch * divider.parallelOhms / (branch + divider.parallelOhms);
}

double adcVolts(const Divider& divider, double thermistorOhms)
{
    return divider.supplyVolts * supplyFraction(divider, thermistorOhms);
}

double exactCount(const Divider& divider, double thermistorOhms)
{
    return adcVolts(divider, thermistorOhms) / referenceVolts(divider) * fullScale(divider);
}

std::uint32_t adcCount(const Divider& divider, double thermistorOhms)
{
    const double count = std::round(exactCount(divider, thermistorOhms));
    const double top = std::ldexp(1.0, divider.bits) - 1;
    return static_cast<std::uint32_t>(count < 0 ? 0 : count > top ? top : count);
}

double thermistorOhmsAtCount(const Divider& divider, double count)
{
    const double fraction = count / fullScale(divider) * referenceVolts(divider) / divider.supplyVolts;
    if (!(fraction > 0 && fraction < 1)) return NAN;
    double network = divider.side == ThermistorSide::low ? divider.fixedOhms * fraction / (1 - fraction)
                                                         : divider.fixedOhms * (1 - fraction) / fraction;
    if (!std::isinf(divider.parallelOhms)) {
        if (!(network < divider.parallelOhms)) return NAN;
        network = network * divider.parallelOhms / (divider.parallelOhms - network);
    }
    const double thermistor = network - divider.seriesOhms;
    return thermistor > 0 ? thermistor : NAN;
}

double countsPerOhm(const Divider& divider, double thermistorOhms)
{
    const double network = networkOhms(divider, thermistorOhms);
    const double sum = network + divider.fixedOhms;
    double fractionPerNetworkOhm = divider.fixedOhms / (sum * sum);
    if (divider.side == ThermistorSide::high) fractionPerNetworkOhm = -fractionPerNetworkOhm;
    double networkPerOhm = 1;
    if (!std::isinf(divider.parallelOhms)) {
        const double branchSum = thermistorOhms + divider.seriesOhms + divider.parallelOhms;
        networkPerOhm = divider.parallelOhms * divider.parallelOhms / (branchSum * branchSum);
    }
    return fullScale(divider) * divider.supplyVolts / referenceVolts(divider) * fractionPerNetworkOhm * networkPerOhm;
}

} // namespace models
