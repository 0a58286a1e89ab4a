// ntc-beta: a thermistor in a resistor divider read by an N-bit ADC.
#pragma once

#include <cstdint>
#include <limits>

namespace models {

// Where the thermistor sits: `low` with the fixed resistor as a pull-up to
// the supply and the thermistor to ground (the ADC voltage falls as the
// temperature rises), `high` with the thermistor to the supply and the
// fixed resistor as a pull-down (the voltage rises).
enum class ThermistorSide { low, high };

// What the ADC's full scale, the reading of Vref, stands for: 2^N (an ideal
// converter's LSB is Vref / 2^N: RepRapFirmware, ESPHome on the ESP8266 and
// RP2040, Marlin's createTemperatureLookupMarlin.py) or 2^N − 1 (the largest
// code stands for Vref: Klipper, whose hosts divide by ADC_MAX, 4095 or 1023,
// and Marlin's older hand-made tables such as temptable_5).
enum class FullScale { powerOfTwo, powerOfTwoLessOne };

// The circuit. Resistances in ohms (nominal values: no tolerance), volts.
// An optional resistor in series with the thermistor and one across the
// pair (parallel), both on the thermistor's side. The ADC's reference
// equals the supply (ratiometric, the common case) unless `referenceVolts`
// is given.
struct Divider {
    ThermistorSide side = ThermistorSide::low;
    double fixedOhms = 0.0;
    double seriesOhms = 0.0;
    double parallelOhms = std::numeric_limits<double>::infinity();
    int bits = 10;
    double supplyVolts = 3.3;
    double referenceVolts = 0.0; // 0: the supply
    FullScale fullScale = FullScale::powerOfTwo;
};

// Whether the values make a circuit: fixed resistor > 0, series >= 0,
// parallel > 0 (infinity for none), 1 <= bits <= 16, supply and reference
// > 0 (reference 0 for ratiometric), all finite but the parallel resistor.
bool isValid(const Divider& divider);

// The reference voltage the ADC's full scale stands for.
double referenceVolts(const Divider& divider);

// The resistance of the thermistor's side with the series and parallel
// resistors, in ohms.
double networkOhms(const Divider& divider, double thermistorOhms);

// The voltage at the ADC input, in volts.
double adcVolts(const Divider& divider, double thermistorOhms);

// The ADC reading as a real number, V / Vref · 2^bits: an ideal converter
// whose code k stands for k ± ½ LSB with LSB = Vref / 2^bits (the scale of
// most SAR converters' transfer functions); V / Vref · (2^bits − 1) with
// FullScale::powerOfTwoLessOne.
double exactCount(const Divider& divider, double thermistorOhms);

// The code an ideal converter gives: exactCount rounded to the nearest
// integer and held within 0 .. 2^bits − 1.
std::uint32_t adcCount(const Divider& divider, double thermistorOhms);

// The thermistor's resistance that puts exactly `count` LSB on the input,
// in ohms; NaN when no positive resistance does (a count at or beyond
// either rail, or one the series or parallel resistor cannot reach).
double thermistorOhmsAtCount(const Divider& divider, double count);

// d(exactCount)/d(R_thermistor), in counts per ohm.
double countsPerOhm(const Divider& divider, double thermistorOhms);

} // namespace models
