// ntc-beta: a model written as Klipper, RepRapFirmware and ESPHome read thermistor settings.
#include "models/firmware_config.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "models/firmware_text.h"

#include <cmath>

namespace models {

namespace {

std::string commentLines(const std::vector<std::string>& lines, std::string_view lead)
{
    std::string text;
    for (const std::string& line : lines) text.append(lead).append(line).append("\n");
    return text;
}

// 7.054776e-8: seven significant digits (a float's, which RepRapFirmware
// computes in), trailing zeros and the exponent's sign and padding dropped.
std::string floatExponentText(double value)
{
    std::string text = calc::trimmedScientificText(value, 7);
    const std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    std::size_t digits = e + 2;
    while (digits + 1 < text.size() && text[digits] == '0') ++digits;
    return text.substr(0, e + 1) + (text[e + 1] == '-' ? "-" : "") + text.substr(digits);
}

// 126.8kOhm, 80.65Ohm, 4.7MOhm: ESPHome's resistance with a metric prefix.
std::string esphomeOhms(double ohms)
{
    if (ohms >= 1e6) return calc::roundedText(ohms / 1e6, 9) + "MOhm";
    if (ohms >= 1e3) return calc::roundedText(ohms / 1e3, 9) + "kOhm";
    return calc::roundedText(ohms, 9) + "Ohm";
}

const std::array<Reading, 3>* pointsOf(const FirmwareCurve& curve)
{
    return std::get_if<std::array<Reading, 3>>(&curve.form);
}

} // namespace

bool isFirmwareName(std::string_view name)
{
    if (name.empty() || name.size() > 64 || name.front() == ' ' || name.back() == ' ') return false;
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f || std::string_view("\"[]#;:\\{}").find(c) != std::string_view::npos)
            return false;
    return true;
}

std::string klipperConfig(const FirmwareCurve& curve, const FirmwareText& text)
{
    std::string out = commentLines(text.comment, "# ") + "[thermistor " + text.name + "]\n";
    if (const auto* p = pointsOf(curve)) {
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string n = std::to_string(i + 1);
            out += "temperature" + n + ": " + celsiusText((*p)[i].kelvin) + "\n";
            out += "resistance" + n + ": " + ohmsText((*p)[i].ohms) + "\n";
        }
    } else {
        const BetaModel& beta = std::get<BetaModel>(curve.form);
        out += "temperature1: " + celsiusText(beta.t0Kelvin) + "\nresistance1: " + ohmsText(beta.r0) +
               "\nbeta: " + calc::roundedText(beta.beta, 9) + "\n";
    }
    if (!text.circuit) return out;
    out += "# In the heater or temperature_sensor section that reads it:\n#   sensor_type: " + text.name +
           "\n#   pullup_resistor: " + ohmsText(text.circuit->fixedOhms) + "\n";
    if (text.circuit->seriesOhms > 0) out += "#   inline_resistor: " + ohmsText(text.circuit->seriesOhms) + "\n";
    return out;
}

std::string reprapConfig(const FirmwareCurve& curve, const FirmwareText& text)
{
    const SteinhartHart sh = firmwareSteinhart(curve);
    const auto* beta = std::get_if<BetaModel>(&curve.form);
    const double r25 = beta ? resistanceAt(*beta, 298.15) : resistanceAt(sh, 298.15);
    std::string out = commentLines(text.comment, "; ");
    out += "; S0 and P\"temp0\" stand for your sensor's number and port\n";
    out += "M308 S0 P\"temp0\" Y\"thermistor\" T" + calc::roundedText(r25, 7) + " B" + calc::roundedText(1 / sh.b, 7);
    if (sh.c != 0) out += " C" + floatExponentText(sh.c);
    if (text.circuit) out += " R" + calc::roundedText(text.circuit->fixedOhms, 7);
    if (!text.name.empty()) out += " A\"" + text.name + "\"";
    return out + "\n";
}

std::string esphomeConfig(const FirmwareCurve& curve, const FirmwareText& text)
{
    std::string out = commentLines(text.comment, "# ") + "sensor:\n  - platform: ntc\n    sensor: resistance_sensor\n"
                                                         "    calibration:\n";
    if (const auto* p = pointsOf(curve)) {
        for (const Reading& r : *p) out += "      - " + esphomeOhms(r.ohms) + " -> " + celsiusText(r.kelvin) + "°C\n";
    } else {
        const BetaModel& beta = std::get<BetaModel>(curve.form);
        out += "      b_constant: " + calc::roundedText(beta.beta, 9) + "\n      reference_temperature: " +
               celsiusText(beta.t0Kelvin) + "°C\n      reference_resistance: " + esphomeOhms(beta.r0) + "\n";
    }
    out += "    name: " + text.name + "\n";
    if (!text.circuit) return out;
    const Divider& d = *text.circuit;
    out += "  - platform: resistance\n    id: resistance_sensor\n    sensor: source_sensor\n    configuration: ";
    out += d.side == ThermistorSide::low ? "DOWNSTREAM" : "UPSTREAM";
    out += "\n    resistor: " + esphomeOhms(d.fixedOhms) + "\n    reference_voltage: " + calc::roundedText(d.supplyVolts, 9) +
           "V\n    name: Resistance Sensor\n";
    out += "  - platform: adc\n    id: source_sensor\n    pin: A0 # your ADC pin\n";
    return out;
}

std::string firmwareConfig(Firmware firmware, const FirmwareCurve& curve, const FirmwareText& text)
{
    switch (firmware) {
    case Firmware::klipper: return klipperConfig(curve, text);
    case Firmware::reprap: return reprapConfig(curve, text);
    case Firmware::esphome: return esphomeConfig(curve, text);
    }
    return {};
}

std::string usualFirmwareName(Firmware firmware)
{
    switch (firmware) {
    case Firmware::klipper: return "my_thermistor";
    case Firmware::reprap: return "";
    case Firmware::esphome: return "NTC Temperature";
    }
    return {};
}

std::string standInLine(double straysKelvin, double fromCelsius, double toCelsius)
{
    return "A three-term curve for the four-term model: it strays up to " + calc::roundedText(straysKelvin, 2) +
           " K from it over " + calc::decimalsText(fromCelsius, 2) + " to " + calc::decimalsText(toCelsius, 2) + " degC.";
}

} // namespace models
