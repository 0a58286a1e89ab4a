// ntc-beta-cli: `steinhart`, the Steinhart-Hart coefficients through three readings and the B between each two.
#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/arguments.h"
#include "cli/input/plausibility.h"
#include "cli/input/readings.h"
#include "cli/output/firmware_format.h"
#include "models/firmware_curve.h"
#include "models/steinhart_hart.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct SteinhartOptions {
    std::vector<std::string> readings;
    bool kelvin = false;
    std::string format = "text", name;
};

struct Point {
    double ohms = 0.0;
    Temperature t;
    double kelvin = 0.0;
};

// The three points, or none when one could not be read or was refused.
std::optional<std::array<Point, 3>> readPoints(const Session& s, const SteinhartOptions& o, Findings& found)
{
    if (o.readings.size() != 6) throw UnreadableArgument(std::string(s.m.steinhartNeedsValues));
    std::array<Point, 3> points{};
    bool complete = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        const auto ohms = checkedResistance(s.m, "R" + n, o.readings[2 * i], found);
        const auto t = checkedTemperature(s.m, "T" + n, o.readings[2 * i + 1], o.kelvin, found);
        if (!ohms || !t) complete = false;
        else points[i] = {*ohms, *t, kelvinOf(*t)};
    }
    if (!complete) return std::nullopt;
    return points;
}

// The fit, refused when it fails or when the resistances do not fall as the
// temperature rises (a B of 0 or less between two of the points).
std::optional<models::SteinhartHart> fitOf(const Session& s, std::array<Point, 3>& points, Findings& found)
{
    try {
        const models::SteinhartHart fit =
            models::fitSteinhartHart({points[0].ohms, points[0].kelvin}, {points[1].ohms, points[1].kelvin},
                                     {points[2].ohms, points[2].kelvin});
        std::sort(points.begin(), points.end(), [](const Point& l, const Point& r) { return l.kelvin < r.kelvin; });
        if (points[0].ohms > points[1].ohms && points[1].ohms > points[2].ohms) return fit;
        found.push_back({Severity::refused, std::string(s.m.notFalling)});
    } catch (const models::ModelFailure& failure) {
        found.push_back({Severity::refused, std::string(failureText(s.m, failure.kind()))});
    }
    return std::nullopt;
}

int steinhart(Session& s, const SteinhartOptions& o)
{
    Findings found;
    auto points = readPoints(s, o, found);
    const auto fit = points ? fitOf(s, *points, found) : std::nullopt;
    if (fit && firmwareOf(o.format)) {
        checkCoefficients(s.m, *fit, found);
        const std::array<Point, 3>& p = *points;
        const models::FirmwareCurve curve = models::firmwareCurve(
            {models::Reading{p[0].ohms, p[0].kelvin}, {p[1].ohms, p[1].kelvin}, {p[2].ohms, p[2].kelvin}});
        writeFirmwareSettings(s,
                              {*firmwareOf(o.format), curve, p[0].kelvin - calc::kCelsiusOffset,
                               p[2].kelvin - calc::kCelsiusOffset, o.name,
                               {"NTC thermistor, ntc-beta-cli: Steinhart-Hart through three readings"}, nullptr},
                              found);
    } else if (fit) {
        checkCoefficients(s.m, *fit, found);
        std::string text = "A = " + calc::coefficientText(fit->a) + "\nB = " + calc::coefficientText(fit->b) + "\nC = " +
                           calc::coefficientText(fit->c) + "\n";
        s.out << text;
        const std::array<Point, 3>& p = *points;
        for (const auto& [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}}) {
            const models::MeasuredB b = betaOf(p[i].ohms, p[i].t, p[j].ohms, p[j].t);
            writeMeasuredB(s.out, b);
            checkNtcB(s.m, calc::betaName(b.t1Kelvin, b.t2Kelvin), b.value, found);
        }
    }
    writeFindings(s.err, s.m, found);
    return exitStatus(found);
}

} // namespace

CommandSpec steinhartCommand(Session& session)
{
    const auto o = std::make_shared<SteinhartOptions>();
    const Messages& m = session.m;
    OptionSpec format = textOption("--format", m.steinhartFormatOption, "FORMAT", o->format);
    format.choices = {"text", "klipper", "reprap", "esphome"};
    return {m.steinhartCommand,
            {listOption("readings", m.steinhartValues, "R1 T1 R2 T2 R3 T3", o->readings, 0, -1), format,
             textOption("--name", m.firmwareNameOption, "NAME", o->name), kelvinFlag(o->kelvin, m)},
            [&session, o] { return steinhart(session, *o); }};
}

} // namespace cli
