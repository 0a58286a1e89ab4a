// ntc-beta-cli: `table`, an R/T table from any model as CSV, Markdown or a C header for firmware.
#include "calc/number_writing.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/arguments.h"
#include "cli/input/readings.h"
#include "cli/output/firmware_format.h"
#include "models/firmware_text.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#ifndef NTC_BETA_VERSION
#error "NTC_BETA_VERSION comes from project() through the build"
#endif

namespace cli {

namespace {

struct TableOptions {
    ModelOptions model;
    bool kelvin = false;
    std::string from, to, step = "5", format = "csv";
    std::string name, cType = "x10";
};

std::string cell(double value) { return calc::fullValueText(value); }

// Table cells without the last digits' noise: °C as stepped, resistance to
// six significant digits, α to four.
std::string celsiusCell(double value) { return calc::decimalsText(value, 6); }
std::string ohmsCell(double value) { return calc::roundedText(value, 6); }
std::string alphaCell(double value) { return calc::roundedText(value, 4); }

// Every row, or none when the model fails at one temperature (reported on
// `err`): a table with a hole is no use to firmware.
std::optional<std::vector<models::TableRow>> tableRows(const Session& s, const models::ThermistorModel& model,
                                                       const std::vector<double>& temperatures)
{
    std::vector<models::TableRow> rows;
    rows.reserve(temperatures.size());
    for (double celsius : temperatures) {
        try {
            rows.push_back(models::tableRow(model, celsius));
        } catch (const models::ModelFailure& failure) {
            s.err << s.m.errorPrefix << format(s.m.atTemperature, {cell(celsius)}) << failureText(s.m, failure.kind())
                  << '\n';
            return std::nullopt;
        }
    }
    return rows;
}

// The CSV table in the spreadsheet's style (',' and the decimal point unless
// --delimiter or --decimal-comma say otherwise).
std::string csvTable(const std::vector<models::TableRow>& rows, const SpreadsheetStyle& style)
{
    const std::string d(1, style.delimiter);
    const auto number = [&](std::string text) { return withDecimalMark(std::move(text), style); };
    std::string text = "temperature_c" + d + "resistance_ohm" + d + "alpha_percent_per_k\n";
    for (const auto& r : rows)
        text.append(number(celsiusCell(r.celsius))).append(d).append(number(ohmsCell(r.ohms))).append(d)
            .append(number(alphaCell(r.alphaPercentPerKelvin))).append("\n");
    return text;
}

std::string markdownTable(const std::vector<models::TableRow>& rows)
{
    std::string text = "| T (°C) | R (Ω) | α (%/K) |\n|---:|---:|---:|\n";
    for (const auto& r : rows)
        text.append("| ").append(celsiusCell(r.celsius)).append(" | ").append(ohmsCell(r.ohms)).append(" | ")
            .append(alphaCell(r.alphaPercentPerKelvin)).append(" |\n");
    return text;
}

// int16_t temperatures at the chosen scale and uint32_t ohms under a header
// naming the model and the range.
std::string cTable(const Session& s, const std::vector<models::TableRow>& rows, double step,
                   const ChosenModel& chosen, const TableOptions& o)
{
    if (!o.name.empty() && !models::isCIdentifier(o.name))
        throw UnreadableArgument(namedProblem(s.m, "--name", o.name, s.m.notIdentifier));
    models::CTableStyle style{o.name.empty() ? "ntc_rt_table" : o.name, models::TemperatureType::tenths, false, {}};
    if (o.cType == "x100") style.temperature = models::TemperatureType::hundredths;
    if (o.cType == "int") style.temperature = models::TemperatureType::whole;
    if (o.cType == "float") style.temperature = models::TemperatureType::floating;
    style.comment = {"NTC thermistor R/T table, ntc-beta-cli " NTC_BETA_VERSION ": " + cell(rows.front().celsius) +
                         " degC to " + cell(rows.back().celsius) + " degC in steps of " + cell(step) + " K, " +
                         std::to_string(rows.size()) + " rows.",
                     (chosen.fit ? chosen.description : modelDescription(chosen.model)) + "."};
    return models::rtTableC(rows, style);
}

int writeTable(Session& s, const TableOptions& o, const ChosenModel& chosen, const std::vector<double>& temperatures,
               double step)
{
    const auto rows = tableRows(s, chosen.model, temperatures);
    if (!rows) return kExitComputationFailed;
    if (o.format == "csv") {
        s.out << csvTable(*rows, spreadsheetStyle(o.model.sheet, s.m, {"temperature_c", "resistance_ohm"}));
    } else if (o.format == "markdown") {
        s.out << markdownTable(*rows);
    } else {
        try {
            s.out << cTable(s, *rows, step, chosen, o);
        } catch (const models::TableOverflow& overflow) {
            s.err << s.m.errorPrefix << overflow.what() << '\n';
            return kExitComputationFailed;
        }
    }
    return kExitSuccess;
}

// The model as the firmware asked for takes it, over the fitted table's
// range or --from .. --to.
int writeSettings(Session& s, const TableOptions& o, const ChosenModel& chosen, double from, double to,
                  Findings& found)
{
    const auto [low, high] = modelRangeCelsius(chosen, from, to);
    FirmwareRequest request{*firmwareOf(o.format), firmwareCurveOver(s.m, chosen.model, low, high), low, high, o.name,
                            {}, nullptr};
    request.comment = {"NTC thermistor, ntc-beta-cli " NTC_BETA_VERSION ": " +
                       (chosen.fit ? chosen.description : modelDescription(chosen.model))};
    writeFirmwareSettings(s, request, found);
    return kExitSuccess;
}

int table(Session& s, const TableOptions& o)
{
    if (o.format != "csv" && o.format != "markdown" && o.format != "c" && !firmwareOf(o.format))
        throw UnreadableArgument(namedProblem(s.m, "--format", o.format, s.m.expectedFormat));
    Findings found;
    const auto from = checkedCelsius(s.m, "--from", o.from.empty() ? "-40°C" : o.from, o.kelvin, found);
    const auto to = checkedCelsius(s.m, "--to", o.to.empty() ? "125°C" : o.to, o.kelvin, found);
    const double step = numberArgument(s.m, "--step", o.step);
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::table, found);
    if (from && to && chosen && firmwareOf(o.format)) {
        const int status = writeSettings(s, o, *chosen, *from, *to, found);
        writeFindings(s.err, s.m, found);
        return worseStatus(status, exitStatus(found));
    }
    writeFindings(s.err, s.m, found);
    if (!from || !to || !chosen) return worseStatus(exitStatus(found), kExitComputationFailed);
    const std::vector<double> temperatures = models::tableTemperatures({*from, *to, step});
    if (temperatures.empty()) throw UnreadableArgument(std::string(s.m.noRange));
    return worseStatus(writeTable(s, o, *chosen, temperatures, step), exitStatus(found));
}

} // namespace

CommandSpec tableCommand(Session& session)
{
    const auto o = std::make_shared<TableOptions>();
    const Messages& m = session.m;
    OptionSpec cType = textOption("--c-type", m.cTypeOption, "TYPE", o->cType);
    cType.choices = {"x10", "x100", "int", "float"};
    CommandSpec command{m.tableCommand,
                     {textOption("--from", m.fromOption, "T", o->from), textOption("--to", m.toOption, "T", o->to),
                      textOption("--step", m.stepOption, "K", o->step),
                      textOption("--format", m.tableFormatOption, "FORMAT", o->format),
                      textOption("--name", m.tableNameOption, "IDENT", o->name), cType, kelvinFlag(o->kelvin, m)},
                     [&session, o] { return table(session, *o); }};
    addModelOptions(command.options, o->model, m, SteinhartValues::threeOrFour);
    return command;
}

} // namespace cli
