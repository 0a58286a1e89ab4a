// ntc-beta-cli: `steinhart`, the Steinhart-Hart coefficients through three readings and the B between each two.
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_options.h"
#include "models/steinhart_hart.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct SteinhartOptions {
    std::vector<std::string> readings;
    bool kelvin = false;
};

struct Point {
    double ohms = 0.0;
    Temperature t;
    double kelvin = 0.0;
};

std::array<Point, 3> readPoints(const Session& s, const SteinhartOptions& o)
{
    if (o.readings.size() != 6) throw UnreadableArgument(std::string(s.m.steinhartNeedsValues));
    std::array<Point, 3> points{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        points[i].ohms = resistanceArgument(s.m, "R" + n, o.readings[2 * i]);
        points[i].t = temperatureArgument(s.m, "T" + n, o.readings[2 * i + 1], o.kelvin);
    }
    for (Point& p : points) p.kelvin = kelvinOf(p.t);
    return points;
}

int steinhart(Session& s, const SteinhartOptions& o)
{
    std::array<Point, 3> points = readPoints(s, o);
    const models::SteinhartHart fit =
        models::fitSteinhartHart({points[0].ohms, points[0].kelvin}, {points[1].ohms, points[1].kelvin},
                                 {points[2].ohms, points[2].kelvin});

    s.out << "A = " << coefficientText(fit.a) << '\n'
          << "B = " << coefficientText(fit.b) << '\n'
          << "C = " << coefficientText(fit.c) << '\n';
    std::sort(points.begin(), points.end(), [](const Point& l, const Point& r) { return l.kelvin < r.kelvin; });
    for (const auto& [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}})
        writeMeasuredB(s.out, betaOf(points[i].ohms, points[i].t, points[j].ohms, points[j].t));
    const auto warn = [&s](std::string_view text) { s.err << s.m.warningPrefix << text << '\n'; };
    if (!(fit.c > 0)) warn(s.m.cNotPositive);
    if (!(points[0].ohms > points[1].ohms && points[1].ohms > points[2].ohms)) warn(s.m.notFalling);
    return kExitSuccess;
}

} // namespace

Command addSteinhartCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<SteinhartOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "steinhart", m.steinhartCommand, m);
    command->add_option("readings", options->readings, std::string(m.steinhartValues))
        ->type_name("R1 T1 R2 T2 R3 T3");
    addKelvinFlag(*command, options->kelvin, m);
    return {command, [&session, options] { return steinhart(session, *options); }};
}

} // namespace cli
