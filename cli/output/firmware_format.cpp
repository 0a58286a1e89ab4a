// ntc-beta-cli: a model written for the firmware that takes a model (Klipper, RepRapFirmware, ESPHome), as every command
// with a model at hand writes it.
#include "cli/output/firmware_format.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "models/firmware_config.h"
#include "models/firmware_text.h"

#include <ostream>

namespace cli {

namespace {

std::string_view projectName(models::Firmware firmware)
{
    switch (firmware) {
    case models::Firmware::klipper: return "Klipper";
    case models::Firmware::reprap: return "RepRapFirmware";
    case models::Firmware::esphome: return "ESPHome";
    }
    return {};
}

std::string_view formatName(models::Firmware firmware)
{
    switch (firmware) {
    case models::Firmware::klipper: return "klipper";
    case models::Firmware::reprap: return "reprap";
    case models::Firmware::esphome: return "esphome";
    }
    return {};
}

void refuseCircuit(const Messages& m, const FirmwareRequest& r)
{
    if (!r.circuit) return;
    const auto feature = models::unsupportedFeature(r.firmware, *r.circuit);
    if (!feature) return;
    std::string_view pattern;
    switch (*feature) {
    case models::CircuitFeature::thermistorToSupply: pattern = m.circuitToSupply; break;
    case models::CircuitFeature::seriesResistor: pattern = m.circuitSeries; break;
    case models::CircuitFeature::parallelResistor: pattern = m.circuitParallel; break;
    case models::CircuitFeature::separateReference: pattern = m.circuitReference; break;
    }
    throw UnreadableArgument(format(pattern, {formatName(r.firmware), projectName(r.firmware)}));
}

std::string kelvinText(double kelvin) { return calc::roundedText(kelvin, 2); }

} // namespace

std::optional<models::Firmware> firmwareOf(std::string_view format)
{
    if (format == "klipper") return models::Firmware::klipper;
    if (format == "reprap") return models::Firmware::reprap;
    if (format == "esphome") return models::Firmware::esphome;
    return std::nullopt;
}

models::FirmwareCurve firmwareCurveOver(const Messages& m, const models::ThermistorModel& model, double fromCelsius,
                                        double toCelsius)
{
    if (!std::holds_alternative<models::BetaModel>(model) && !(fromCelsius < toCelsius))
        throw UnreadableArgument(std::string(m.noRange));
    return models::firmwareCurve(model, fromCelsius + calc::kCelsiusOffset, toCelsius + calc::kCelsiusOffset);
}

void writeFirmwareSettings(Session& s, const FirmwareRequest& r, Findings& found)
{
    const Messages& m = s.m;
    const std::string name = r.name.empty() ? models::usualFirmwareName(r.firmware) : r.name;
    if (!name.empty() && !models::isFirmwareName(name))
        throw UnreadableArgument(namedProblem(m, "--name", name, m.notFirmwareName));
    refuseCircuit(m, r);
    models::FirmwareText text{name, r.comment, r.circuit};
    const double strays = r.curve.standInErrorKelvin;
    if (strays > 0) {
        text.comment.push_back(models::standInLine(strays, r.fromCelsius, r.toCelsius));
        if (strays > kStandInWarningKelvin)
            found.push_back({Severity::warning,
                             format(m.standInStrays, {projectName(r.firmware), calc::decimalsText(r.fromCelsius, 2),
                                                      calc::decimalsText(r.toCelsius, 2), kelvinText(strays)})});
    }
    if (r.firmware == models::Firmware::klipper && !std::holds_alternative<models::BetaModel>(r.curve.form)) {
        try {
            if (!(models::firmwareSteinhart(r.curve).c > 0))
                found.push_back({Severity::warning, std::string(m.klipperBetaFallback)});
        } catch (const models::ModelFailure&) {
            // Points that fix no curve: Klipper falls back as well.
            found.push_back({Severity::warning, std::string(m.klipperBetaFallback)});
        }
    }
    s.out << models::firmwareConfig(r.firmware, r.curve, text);
}

} // namespace cli
