// ntc-beta-cli: `beta`, the B constant from two readings typed or from every row of a CSV file.
#include "cli/command.h"
#include "cli/csv_batch.h"
#include "cli/plausibility.h"
#include "cli/readings.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
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
    if (o.csv == "-") return runCsvBatch(s.in, o.csv, s.out, s.err, s.m, o.kelvin);
    // The name arrives as UTF-8 on every system; a path made from char8_t
    // keeps it so on Windows too.
    const std::filesystem::path path(std::u8string(o.csv.begin(), o.csv.end()));
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw UnreadableArgument(format(s.m.isFolder, {shownValue(s.m, o.csv)}));
    std::ifstream file(path, std::ios::binary);
    if (!file) throw UnreadableArgument(format(s.m.cannotOpen, {shownValue(s.m, o.csv)}));
    return runCsvBatch(file, o.csv, s.out, s.err, s.m, o.kelvin);
}

int beta(Session& s, const BetaOptions& o)
{
    if (!o.csv.empty()) {
        if (!o.readings.empty()) throw UnreadableArgument(std::string(s.m.betaNeedsValues));
        return betaOfCsv(s, o);
    }
    if (o.readings.size() != 4) throw UnreadableArgument(std::string(s.m.betaNeedsValues));
    Findings found;
    const auto b = checkedBeta(s.m, {"R1", "T1", "R2", "T2"},
                               {o.readings[0], o.readings[1], o.readings[2], o.readings[3]}, o.kelvin, found);
    if (failed(found)) {
        if (const auto hint = windowOrderHint(s.m, o.readings, o.kelvin)) found.push_back({Severity::refused, *hint});
    }
    if (b) writeMeasuredB(s.out, *b);
    writeFindings(s.err, s.m, found);
    return exitStatus(found);
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
