// The settings Klipper, RepRapFirmware and ESPHome take, each held to a sample
// of that project's own published configuration (quoted below with where it
// comes from): the same keys and parameters, the same values, or for a curve
// given in other numbers the same temperatures as the project computes them.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

using cli_test::Outcome;
using cli_test::runCli;

// The lines of a text that are not comments ('#' or ';' first) nor empty.
std::vector<std::string> settingLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        const std::size_t comment = line.find(" #");
        if (comment != std::string::npos) line.erase(comment);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (!line.empty() && line[0] != '#' && line[0] != ';') lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Klipper's own definitions, klippy/extras/temperature_sensors.cfg in the
// Klipper3d/klipper repository ("Default thermistors"): the Semitec 104GT-2
// by three points from its leaflet, the Honeywell 135-104LAG-J01 by a beta.
const char* const kKlipperSemitec = "[thermistor ATC Semitec 104GT-2]\n"
                                    "temperature1: 20\n"
                                    "resistance1: 126800\n"
                                    "temperature2: 150\n"
                                    "resistance2: 1360\n"
                                    "temperature3: 300\n"
                                    "resistance3: 80.65\n";
const char* const kKlipperHoneywell = "[thermistor Honeywell 100K 135-104LAG-J01]\n"
                                      "temperature1: 25\n"
                                      "resistance1: 100000\n"
                                      "beta: 3974\n";

TEST(FirmwareFormats, KlipperAsItsOwnDefinitions)
{
    const struct {
        std::vector<std::string> args;
        const char* sample;
    } cases[] = {
        {{"steinhart", "126.8k", "20", "1360", "150", "80.65", "300", "--format", "klipper", "--name",
          "ATC Semitec 104GT-2"},
         kKlipperSemitec},
        // The points in another order: Klipper sorts them; so do we.
        {{"steinhart", "80.65", "300", "126.8k", "20", "1360", "150", "--format", "klipper", "--name",
          "ATC Semitec 104GT-2"},
         kKlipperSemitec},
        {{"table", "--r25", "100k", "--beta", "3974", "--format", "klipper", "--name", "Honeywell 100K 135-104LAG-J01"},
         kKlipperHoneywell},
    };
    for (const auto& c : cases) {
        const Outcome o = runCli(c.args);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(settingLines(o.out), settingLines(c.sample)) << o.out;
    }
}

// RepRapFirmware computes 1/T = A + ln R / B + C ln³R with A from T (the
// resistance at 25 °C): Thermistor::CalcDerivedParameters, src/Heating/
// Sensors/Thermistor.cpp in Duet3D/RepRapFirmware. Written here in our words.
double reprapCelsius(double t, double b, double c, double ohms)
{
    const double lnT = std::log(t), lnR = std::log(ohms);
    const double a = 1 / 298.15 - lnT / b - c * lnT * lnT * lnT;
    return 1 / (a + lnR / b + c * lnR * lnR * lnR) - 273.15;
}

// M308's parameters by letter: "T100000" gives T → "100000"; a comment
// (from ';') left out.
std::map<char, std::string> m308Parameters(std::string line)
{
    std::map<char, std::string> parameters;
    if (const std::size_t comment = line.find(';'); comment != std::string::npos) line.erase(comment);
    std::size_t i = line.find("M308");
    EXPECT_NE(i, std::string::npos) << line;
    std::istringstream words(line.substr(i + 4));
    for (std::string word; words >> word;) parameters[word[0]] = word.substr(1);
    return parameters;
}

// Duet3D's documentation, "Connecting thermistors or PT1000 temperature
// sensors" (docs.duet3d.com, RepRapFirmware 3 examples): the Semitec 104GT-2
// of the E3D hot end, and a 100 kΩ bed thermistor by its beta.
const char* const kDuetSemitec = "M308 S0 P\"temp0\" Y\"thermistor\" T100000 B4725 C7.06e-8 ; sensor 0";
const char* const kDuetBeta = "M308 S1 P\"e0temp\" Y\"thermistor\" T100000 B4092 ; sensor 1";

TEST(FirmwareFormats, RepRapFirmwareAsItsDocumentation)
{
    // Three points of the Semitec leaflet (25, 150, 300 °C): the same
    // parameters, the same temperatures within what the sample's own four
    // digits of B and three of C hold (0.05 K at 300 °C).
    const Outcome o = runCli({"steinhart", "100k", "25", "1360", "150", "80.65", "300", "--format", "reprap"});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto lines = settingLines(o.out);
    ASSERT_EQ(lines.size(), 1u) << o.out;
    const auto ours = m308Parameters(lines[0]), published = m308Parameters(kDuetSemitec);
    EXPECT_EQ(ours.size(), published.size());
    for (const auto& [letter, value] : published) EXPECT_TRUE(ours.count(letter)) << letter;
    EXPECT_EQ(ours.at('Y'), "\"thermistor\"");
    EXPECT_EQ(ours.at('T'), "100000");
    for (const double ohms : {100000.0, 20000.0, 5000.0, 1360.0, 400.0, 80.65}) {
        const double a = reprapCelsius(std::stod(ours.at('T')), std::stod(ours.at('B')), std::stod(ours.at('C')), ohms);
        const double b = reprapCelsius(100000, 4725, 7.06e-8, ohms);
        EXPECT_NEAR(a, b, 0.1) << ohms;
    }
    // The beta form: no C at all, as the sample writes it.
    const Outcome beta = runCli({"table", "--r25", "100k", "--beta", "4092", "--format", "reprap"});
    const auto betaLines = settingLines(beta.out);
    ASSERT_EQ(betaLines.size(), 1u) << beta.out;
    const auto betaOurs = m308Parameters(betaLines[0]), betaPublished = m308Parameters(kDuetBeta);
    EXPECT_EQ(betaOurs.size(), betaPublished.size());
    EXPECT_EQ(betaOurs.at('T'), betaPublished.at('T'));
    EXPECT_EQ(betaOurs.at('B'), betaPublished.at('B'));
    EXPECT_EQ(betaOurs.count('C'), 0u);
    // With the circuit of adc: R, the series (pull-up) resistor.
    const Outcome circuit = runCli({"adc", "--pull-up", "4.7k", "--bits", "12", "--r25", "100k", "--beta", "4092",
                                    "--format", "reprap", "--name", "Bed"});
    const auto withR = m308Parameters(settingLines(circuit.out).at(0));
    EXPECT_EQ(withR.at('R'), "4700");
    EXPECT_EQ(withR.at('A'), "\"Bed\"");
}

// ESPHome's resistance and temperature with a unit, as its config_validation
// reads them (float_with_unit: a plain decimal, a metric prefix, the unit).
double esphomeValue(const std::string& text)
{
    static const std::regex pattern(R"(^([-+]?[0-9]*\.?[0-9]*)\s*(k|M)?(Ohm|°C)?$)");
    std::smatch match;
    EXPECT_TRUE(std::regex_match(text, match, pattern)) << text;
    const double scale = match[2] == "k" ? 1e3 : match[2] == "M" ? 1e6 : 1;
    return std::stod(match[1]) * scale;
}

// "key: value" lines in order, with their indentation; "- a -> b" items as
// they are.
std::vector<std::pair<std::string, std::string>> yamlPairs(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& line : settingLines(text)) {
        const std::size_t colon = line.find(": ");
        if (colon == std::string::npos) pairs.emplace_back(line, "");
        else pairs.emplace_back(line.substr(0, colon), line.substr(colon + 2));
    }
    return pairs;
}

// ESPHome's documentation of the ntc sensor, components/sensor/ntc.rst in
// esphome/esphome-docs: the b_constant calibration with its source sensors,
// and the calibration by three measured points.
const char* const kEsphomeBeta = "sensor:\n"
                                 "  - platform: ntc\n"
                                 "    sensor: resistance_sensor\n"
                                 "    calibration:\n"
                                 "      b_constant: 3950\n"
                                 "      reference_temperature: 25°C\n"
                                 "      reference_resistance: 10kOhm\n"
                                 "    name: NTC Temperature\n"
                                 "\n"
                                 "  # Example source sensors:\n"
                                 "  - platform: resistance\n"
                                 "    id: resistance_sensor\n"
                                 "    sensor: source_sensor\n"
                                 "    configuration: DOWNSTREAM\n"
                                 "    resistor: 5.6kOhm\n"
                                 "    name: Resistance Sensor\n"
                                 "  - platform: adc\n"
                                 "    id: source_sensor\n"
                                 "    pin: A0\n";
const char* const kEsphomePoints[] = {"10.0kOhm -> 25°C", "27.219kOhm -> 0°C", "14.674kOhm -> 15°C"};

TEST(FirmwareFormats, EsphomeAsItsDocumentation)
{
    const Outcome o = runCli({"adc", "--pull-up", "5.6k", "--bits", "10", "--r25", "10k", "--beta", "3950", "--format",
                              "esphome"});
    ASSERT_EQ(o.status, 0) << o.err;
    auto ours = yamlPairs(o.out);
    // Ours states the divider's supply too (ESPHome's default is 3.3 V).
    const auto reference = std::find_if(ours.begin(), ours.end(), [](const auto& p) {
        return p.first == "    reference_voltage";
    });
    ASSERT_NE(reference, ours.end());
    EXPECT_EQ(reference->second, "3.3V");
    ours.erase(reference);
    const auto published = yamlPairs(kEsphomeBeta);
    ASSERT_EQ(ours.size(), published.size()) << o.out;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        EXPECT_EQ(ours[i].first, published[i].first);
        const bool quantity = ours[i].first.find("reference_") != std::string::npos ||
                              ours[i].first.find("resistor") != std::string::npos;
        if (quantity) EXPECT_EQ(esphomeValue(ours[i].second), esphomeValue(published[i].second)) << ours[i].first;
        else EXPECT_EQ(ours[i].second, published[i].second) << ours[i].first;
    }
    const Outcome points = runCli({"steinhart", "10k", "25", "27.219k", "0", "14.674k", "15", "--format", "esphome"});
    ASSERT_EQ(points.status, 0) << points.err;
    std::vector<std::pair<double, double>> written, sample;
    for (const auto& [key, value] : yamlPairs(points.out)) {
        const std::size_t arrow = key.find(" -> ");
        if (arrow == std::string::npos) continue;
        const std::string item = key.substr(key.find("- ") + 2);
        const std::size_t at = item.find(" -> ");
        written.emplace_back(esphomeValue(item.substr(0, at)), esphomeValue(item.substr(at + 4)));
    }
    for (const std::string item : kEsphomePoints) {
        const std::size_t at = item.find(" -> ");
        sample.emplace_back(esphomeValue(item.substr(0, at)), esphomeValue(item.substr(at + 4)));
    }
    std::sort(written.begin(), written.end());
    std::sort(sample.begin(), sample.end());
    EXPECT_EQ(written, sample);
}

// A circuit a firmware cannot be told of is refused, never written wrong.
TEST(FirmwareFormats, CircuitsAFirmwareCannotHoldAreRefused)
{
    const struct {
        std::vector<std::string> circuit;
        const char* format;
        const char* errPart;
    } cases[] = {
        {{"--pull-down", "4.7k"}, "klipper", "Klipper reads a thermistor to ground"},
        {{"--pull-down", "4.7k"}, "reprap", "RepRapFirmware reads a thermistor to ground"},
        {{"--pull-up", "4.7k", "--series", "1k"}, "reprap", "RepRapFirmware takes no resistor in series"},
        {{"--pull-up", "4.7k", "--series", "1k"}, "esphome", "ESPHome takes no resistor in series"},
        {{"--pull-up", "4.7k", "--parallel", "100k"}, "klipper", "Klipper takes no resistor across"},
        {{"--pull-up", "4.7k", "--vref", "2.5"}, "klipper", "leave out --vref"},
        {{"--pull-up", "4.7k", "--name", "a:b"}, "esphome", "--name 'a:b'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"adc", "--bits", "12", "--r25", "100k", "--beta", "4092", "--format", c.format};
        args.insert(args.end(), c.circuit.begin(), c.circuit.end());
        const Outcome o = runCli(args);
        EXPECT_EQ(o.status, 2) << c.errPart;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.errPart), std::string::npos) << o.err;
    }
    // What each can hold: ESPHome a thermistor to the supply, Klipper one in series.
    const Outcome up = runCli({"adc", "--pull-down", "4.7k", "--bits", "12", "--r25", "100k", "--beta", "4092",
                               "--format", "esphome"});
    EXPECT_NE(up.out.find("configuration: UPSTREAM"), std::string::npos) << up.out << up.err;
    const Outcome inline_ = runCli({"adc", "--pull-up", "4.7k", "--series", "1k", "--bits", "12", "--r25", "100k",
                                    "--beta", "4092", "--format", "klipper"});
    EXPECT_NE(inline_.out.find("#   inline_resistor: 1000"), std::string::npos) << inline_.out << inline_.err;
}

// A four-term fit goes to Klipper as three points whose curve, computed as
// Klipper does (1/T through three points), keeps to the datasheet's table.
TEST(FirmwareFormats, FourTermFitAsThreePoints)
{
    const Outcome o = runCli({"fit", "--model", "steinhart4", std::string(NTC_MODELS_DATA) + "/vishay_ntcle100e3103.csv",
                              "--format", "klipper"});
    ASSERT_EQ(o.status, 0) << o.err;
    std::map<std::string, double> v;
    for (const std::string& line : settingLines(o.out))
        if (const std::size_t colon = line.find(": "); colon != std::string::npos)
            v[line.substr(0, colon)] = std::stod(line.substr(colon + 2));
    ASSERT_EQ(v.size(), 6u) << o.out;
    // Klipper's setup_coefficients, in our words.
    double l[3], y[3];
    for (int i = 0; i < 3; ++i) {
        l[i] = std::log(v["resistance" + std::to_string(i + 1)]);
        y[i] = 1 / (v["temperature" + std::to_string(i + 1)] + 273.15);
    }
    const double c = ((y[0] - y[1]) - (y[0] - y[2]) * (l[0] - l[1]) / (l[0] - l[2])) /
                     ((std::pow(l[0], 3) - std::pow(l[1], 3)) - (std::pow(l[0], 3) - std::pow(l[2], 3)) * (l[0] - l[1]) / (l[0] - l[2]));
    const double b = ((y[0] - y[1]) - c * (std::pow(l[0], 3) - std::pow(l[1], 3))) / (l[0] - l[1]);
    const double a = y[0] - b * l[0] - c * std::pow(l[0], 3);
    // The table (tests/models/data) at -40, 25 and 125 °C: 332100, 10000.2, 338.746 Ω.
    for (const auto& [celsius, ohms] : {std::pair{-40.0, 332100.0}, std::pair{25.0, 10000.2}, std::pair{125.0, 338.746}}) {
        const double lnR = std::log(ohms);
        EXPECT_NEAR(1 / (a + b * lnR + c * lnR * lnR * lnR) - 273.15, celsius, 0.06) << ohms;
    }
    EXPECT_NE(o.out.find("# A three-term curve for the four-term model: it strays up to"), std::string::npos);
}

} // namespace
