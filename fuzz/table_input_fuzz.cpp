// ntc-beta fuzzing: what reads files a user is sent: the input module, the
// R/T table's checks and fit (as `fit` and --fit run them), and the CSV
// batch, whose quick way for rows of plain numbers must give byte for byte
// what its full way gives.
//
// Input: one byte of options, then the file's bytes. Bits 0-1 of the first
// byte choose the field separator (',', ';', tab), bit 2 the decimal comma
// (with ';' or tab), bit 3 GB18030, bit 4 --kelvin, bits 5-6 the model.
#include "cli/commands/command.h"
#include "cli/commands/csv_batch.h"
#include "cli/input/fitted_table.h"
#include "cli/input/spreadsheet.h"
#include "cli/messages/messages.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

struct Options {
    char delimiter = ',';
    bool decimalComma = false;
    bool gb18030 = false;
    bool kelvin = false;
    const char* model = "steinhart";
};

Options optionsOf(std::uint8_t byte)
{
    Options o;
    const char delimiters[] = {',', ';', '\t', ','};
    o.delimiter = delimiters[byte & 3];
    o.decimalComma = (byte & 4) != 0 && o.delimiter != ',';
    o.gb18030 = (byte & 8) != 0;
    o.kelvin = (byte & 16) != 0;
    const char* models[] = {"steinhart", "steinhart4", "beta", "steinhart"};
    o.model = models[(byte >> 5) & 3];
    return o;
}

// The table through the whole way in, checked and fitted as `fit` does it:
// whatever the bytes, a fit or the findings that refused it, never both.
void fitTable(const Options& o, const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out, err;
    cli::Session session{cli::messages(cli::Language::english), in, out, err};
    cli::FitSettings settings;
    settings.file = "-";
    settings.model = o.model;
    settings.kelvin = o.kelvin;
    settings.style.delimiter = o.delimiter;
    settings.style.decimalComma = o.decimalComma;
    settings.style.gb18030 = o.gb18030;
    cli::Findings found;
    try {
        const auto fitted = cli::fitFile(session, settings, cli::FitUse::table, found);
        if (fitted.has_value() == cli::failed(found)) std::abort();
        if (fitted && fitted->fitted.empty()) std::abort();
    } catch (const cli::UnreadableArgument&) {
        // A file that cannot be read, named as such.
    }
}

// The batch both ways: the same output, messages and exit status.
void batchBothWays(const Options& o, const std::string& text)
{
    cli::SpreadsheetStyle style;
    style.delimiter = o.delimiter;
    style.decimalComma = o.decimalComma;
    const cli::Messages& m = cli::messages(cli::Language::english);
    std::istringstream fastIn(text), fullIn(text);
    std::ostringstream fastOut, fastErr, fullOut, fullErr;
    const int fast = cli::runCsvBatch(fastIn, "-", fastOut, fastErr, m, o.kelvin, style, cli::BatchPath::plainRowsFast);
    const int full = cli::runCsvBatch(fullIn, "-", fullOut, fullErr, m, o.kelvin, style, cli::BatchPath::allFullWay);
    if (fast != full || fastOut.str() != fullOut.str() || fastErr.str() != fullErr.str()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const Options options = optionsOf(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    fitTable(options, text);
    batchBothWays(options, text);
    return 0;
}
