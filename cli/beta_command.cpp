// ntc-beta-cli: `beta`, the B constant from two readings typed or from every row of a CSV file.
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/csv_batch.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace cli {

namespace {

struct BetaOptions {
    std::vector<std::string> readings;
    std::string csv;
    bool kelvin = false;
};

int betaOfCsv(Session& s, const BetaOptions& o)
{
    if (o.csv == "-") return runCsvBatch(s.in, s.out, s.err, s.m, o.kelvin);
    // The name arrives as UTF-8 on every system; a path made from char8_t
    // keeps it so on Windows too.
    const std::u8string name(o.csv.begin(), o.csv.end());
    std::ifstream file(std::filesystem::path(name), std::ios::binary);
    if (!file) throw UnreadableArgument(std::string(s.m.cannotOpen) + o.csv);
    return runCsvBatch(file, s.out, s.err, s.m, o.kelvin);
}

int beta(Session& s, const BetaOptions& o)
{
    if (!o.csv.empty()) {
        if (!o.readings.empty()) throw UnreadableArgument(std::string(s.m.betaNeedsValues));
        return betaOfCsv(s, o);
    }
    if (o.readings.size() != 4) throw UnreadableArgument(std::string(s.m.betaNeedsValues));
    const double r1 = resistanceArgument(s.m, "R1", o.readings[0]);
    const Temperature t1 = temperatureArgument(s.m, "T1", o.readings[1], o.kelvin);
    const double r2 = resistanceArgument(s.m, "R2", o.readings[2]);
    const Temperature t2 = temperatureArgument(s.m, "T2", o.readings[3], o.kelvin);
    writeMeasuredB(s.out, betaOf(r1, t1, r2, t2));
    return kExitSuccess;
}

} // namespace

Command addBetaCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<BetaOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "beta", m.betaCommand, m);
    command->add_option("readings", options->readings, std::string(m.betaValues))->type_name("R1 T1 R2 T2");
    command->add_option("--csv", options->csv, std::string(m.csvOption))->type_name("FILE");
    addKelvinFlag(*command, options->kelvin, m);
    return {command, [&session, options] { return beta(session, *options); }};
}

} // namespace cli
