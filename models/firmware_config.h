// ntc-beta: a model written as Klipper, RepRapFirmware and ESPHome read thermistor settings.
#pragma once

#include "models/firmware_curve.h"

#include <string>
#include <string_view>
#include <vector>

namespace models {

// What the text says besides the model: the name the firmware shows,
// comment lines above it (ASCII), and the circuit where it is known (adc),
// which must be one the firmware can hold (unsupportedFeature).
struct FirmwareText {
    std::string name;
    std::vector<std::string> comment;
    const Divider* circuit = nullptr;
};

// Whether `name` can stand in every format: not empty, at most 64 bytes,
// no blank at either end, no control character and none of " [ ] # ; :
// backslash { } (which end a section header, start a comment or a YAML mapping).
bool isFirmwareName(std::string_view name);

// Klipper's [thermistor NAME] section: temperature1/resistance1 to
// temperature3/resistance3 (°C, ohms) in order of temperature, or
// temperature1, resistance1 and beta; with a circuit, the lines of the
// heater section that uses it as comments (sensor_type, pullup_resistor,
// inline_resistor). Comments start with '#'.
std::string klipperConfig(const FirmwareCurve& curve, const FirmwareText& text);

// RepRapFirmware's M308 line: Y"thermistor", T the resistance at 25 °C
// (ohms), B the beta or, for a Steinhart–Hart curve, the reciprocal of its
// B coefficient, C its C coefficient (left out when 0), R the series
// (pull-up) resistor with a circuit, A"name". S0 and P"temp0" stand for the
// sensor number and port, which a comment names. Comments start with ';'.
std::string reprapConfig(const FirmwareCurve& curve, const FirmwareText& text);

// ESPHome's sensor list: the ntc sensor with calibration as b_constant,
// reference_temperature and reference_resistance, or as three
// "R -> T" points (plain decimals with kOhm or Ohm, °C: ESPHome's unit
// parser takes no exponent); with a circuit, the resistance sensor
// (configuration DOWNSTREAM for the thermistor to ground, UPSTREAM to the
// supply, resistor, reference_voltage the divider's supply) and the adc
// sensor it reads. Comments start with '#'.
std::string esphomeConfig(const FirmwareCurve& curve, const FirmwareText& text);

std::string firmwareConfig(Firmware firmware, const FirmwareCurve& curve, const FirmwareText& text);

// The name a firmware's own examples use where none is given:
// "my_thermistor" (Klipper), none (RepRapFirmware), "NTC Temperature"
// (ESPHome).
std::string usualFirmwareName(Firmware firmware);

// The comment line for a four-term model written as its three-term stand-in:
// "A three-term curve for the four-term model: it strays up to 0.012 K from
// it over -40 to 125 degC."
std::string standInLine(double straysKelvin, double fromCelsius, double toCelsius);

} // namespace models
