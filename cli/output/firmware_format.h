// ntc-beta-cli: a model written for the firmware that takes a model (Klipper, RepRapFirmware, ESPHome), as every command
// with a model at hand writes it.
#pragma once

#include "cli/commands/command.h"
#include "cli/messages/findings.h"
#include "models/firmware_curve.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// klipper, reprap or esphome; std::nullopt for any other format.
std::optional<models::Firmware> firmwareOf(std::string_view format);

// What a command hands over: the curve, the range it holds over (°C, for
// the words about a four-term curve's stand-in), the name typed (empty for
// the firmware's usual one), comment lines, and the circuit where known.
struct FirmwareRequest {
    models::Firmware firmware = models::Firmware::klipper;
    models::FirmwareCurve curve;
    double fromCelsius = 0.0, toCelsius = 0.0;
    std::string name;
    std::vector<std::string> comment;
    const models::Divider* circuit = nullptr;
};

// The curve of `model` for a firmware over fromCelsius .. toCelsius; throws
// UnreadableArgument (the range is no range) where three points are to be
// placed and from is not below to.
models::FirmwareCurve firmwareCurveOver(const Messages& m, const models::ThermistorModel& model, double fromCelsius,
                                        double toCelsius);

// Writes the settings on standard output; adds to `found` a warning where
// the firmware's curve strays from the model by more than
// kStandInWarningKelvin, and where Klipper would replace the three points
// by a beta model. Throws UnreadableArgument for a name the formats cannot
// hold and for a circuit the firmware cannot be told of.
void writeFirmwareSettings(Session& s, const FirmwareRequest& request, Findings& found);

inline constexpr double kStandInWarningKelvin = 0.05;

} // namespace cli
