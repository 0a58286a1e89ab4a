// ntc-beta: a model in the forms firmware takes it: a beta model, or a three-term Steinhart–Hart curve by three points.
#pragma once

#include "models/divider.h"
#include "models/rt_table.h"

#include <array>
#include <optional>
#include <variant>

namespace models {

// The firmware projects whose thermistor settings take a model, not a
// table: Klipper ([thermistor] sections), RepRapFirmware (M308) and ESPHome
// (the ntc sensor).
enum class Firmware { klipper, reprap, esphome };

// What the firmware is given: a beta model (R0 at T0 and B), or a
// three-term Steinhart–Hart curve, held as three readings on it (Klipper
// and ESPHome take three points; RepRapFirmware its R25, 1/B and C). For a
// four-term model the curve is the three-term least-squares fit through it
// (at every kelvin of the range, weighted as the fits are), and
// `standInErrorKelvin` how far that curve strays from the model over the
// range; 0 where the form is the model itself.
struct FirmwareCurve {
    std::variant<BetaModel, std::array<Reading, 3>> form;
    double standInErrorKelvin = 0.0;
};

// The form of `model` over fromKelvin .. toKelvin (from < to): three
// points at the range's ends and middle (on whole °C where the range
// allows), or the beta model as it is. Throws ModelFailure as the model or
// the fit does (singularFit for a range too short to fit a curve on).
FirmwareCurve firmwareCurve(const ThermistorModel& model, double fromKelvin, double toKelvin);

// The same for three readings as measured (the steinhart command's): the
// readings themselves, in order of temperature.
FirmwareCurve firmwareCurve(const std::array<Reading, 3>& readings);

// The three-term curve through the form's three points (throws as
// fitSteinhartHart), or the beta model's own: what the firmware computes.
SteinhartHart firmwareSteinhart(const FirmwareCurve& curve);

// Where the circuit asks for what a firmware cannot be told: the
// thermistor to the supply (all three read it to ground only but ESPHome),
// a resistor in series (Klipper's inline_resistor takes one), one across
// it (none), an ADC reference other than the divider's supply (Klipper and
// RepRapFirmware read ratiometrically; ESPHome converts volts). None when
// the firmware can hold the circuit.
enum class CircuitFeature { thermistorToSupply, seriesResistor, parallelResistor, separateReference };
std::optional<CircuitFeature> unsupportedFeature(Firmware firmware, const Divider& divider);

} // namespace models
