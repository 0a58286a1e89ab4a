// ntc-beta-cli: `beta`, the B constant from two readings typed or from every row of a CSV file.
#include "cli/commands/command.h"
#include "cli/commands/csv_batch.h"
#include "cli/input/plausibility.h"
#include "cli/input/readings.h"
#include "cli/input/table_input.h"
#include "cli/input/text_encoding.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct BetaOptions {
    std::vector<std::string> readings;
    std::string csv;
    bool kelvin = false;
    SpreadsheetOptions sheet;
};

// The batch through the input module. GB18030 text comes back in GB18030:
// the file goes back to the Chinese spreadsheet that wrote it, which opens
// CSV in the system's code page, so bare UTF-8 would show there as mojibake.
int betaOfCsv(Session& s, const BetaOptions& o)
{
    const SpreadsheetStyle style = spreadsheetStyle(o.sheet, s.m, {"r1", "t1", "r2", "t2"});
    InputFile input(s, o.csv, style.gb18030);
    if (!style.gb18030) return runCsvBatch(input.stream(), o.csv, s.out, s.err, s.m, o.kelvin, style);
    std::ostringstream utf8;
    const int status = runCsvBatch(input.stream(), o.csv, utf8, s.err, s.m, o.kelvin, style);
    // The text was GB18030 once and the batch adds ASCII only, so it goes back.
    const auto text = gb18030FromUtf8(utf8.str());
    s.out << (text ? *text : utf8.str());
    return status;
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

CommandSpec betaCommand(Session& session)
{
    const auto o = std::make_shared<BetaOptions>();
    const Messages& m = session.m;
    CommandSpec command{m.betaCommand, {}, [&session, o] { return beta(session, *o); }};
    OptionSpec readings = listOption("readings", m.betaValues, "R1 T1 R2 T2", o->readings, 0, -1);
    command.options = {readings, textOption("--csv", m.csvOption, "FILE", o->csv), kelvinFlag(o->kelvin, m)};
    addSpreadsheetOptions(command.options, o->sheet, m);
    return command;
}

} // namespace cli
