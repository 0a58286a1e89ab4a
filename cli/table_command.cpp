// ntc-beta-cli: `table`, an R/T table from either model as CSV, Markdown or a C array for firmware.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/firmware_messages.h"
#include "cli/model_options.h"
#include "cli/readings.h"
#include "models/firmware_text.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct TableOptions {
    ModelOptions model;
    std::string from = "-40", to = "125", step = "5", format = "csv";
    std::string name = "ntc_rt_table", cType = "x10";
};

std::string cell(double value) { return calc::fullValueText(value); }

// Table cells without the last digits' noise: °C as stepped, resistance to
// six significant digits, α to four.
std::string celsiusCell(double value) { return models::decimalsText(value, 6); }
std::string ohmsCell(double value) { return models::roundedText(value, 6); }
std::string alphaCell(double value) { return models::roundedText(value, 4); }

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

std::string csvTable(const std::vector<models::TableRow>& rows)
{
    std::string text = "temperature_c,resistance_ohm,alpha_percent_per_k\n";
    for (const auto& r : rows)
        text.append(celsiusCell(r.celsius)).append(",").append(ohmsCell(r.ohms)).append(",")
            .append(alphaCell(r.alphaPercentPerKelvin)).append("\n");
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
                   const models::ThermistorModel& model, const TableOptions& o)
{
    if (!models::isCIdentifier(o.name))
        throw UnreadableArgument(namedProblem(s.m, "--name", o.name, firmwareMessages(s.m).notIdentifier));
    models::CTableStyle style{o.name, models::TemperatureType::tenths, false, {}};
    if (o.cType == "x100") style.temperature = models::TemperatureType::hundredths;
    if (o.cType == "int") style.temperature = models::TemperatureType::whole;
    if (o.cType == "float") style.temperature = models::TemperatureType::floating;
    style.comment = {"NTC thermistor R/T table, ntc-beta-cli " NTC_BETA_VERSION ": " + cell(rows.front().celsius) +
                         " degC to " + cell(rows.back().celsius) + " degC in steps of " + cell(step) + " K, " +
                         std::to_string(rows.size()) + " rows.",
                     modelDescription(model) + "."};
    return models::rtTableC(rows, style);
}

int table(Session& s, const TableOptions& o)
{
    if (o.format != "csv" && o.format != "markdown" && o.format != "c")
        throw UnreadableArgument(namedProblem(s.m, "--format", o.format, s.m.expectedFormat));
    Findings found;
    const auto from = checkedCelsius(s.m, "--from", o.from, found);
    const auto to = checkedCelsius(s.m, "--to", o.to, found);
    const double step = numberArgument(s.m, "--step", o.step);
    const auto model = chosenModel(o.model, s.m, found);
    writeFindings(s.err, s.m, found);
    if (!from || !to || !model) return exitStatus(found);
    const std::vector<double> temperatures = models::tableTemperatures({*from, *to, step});
    if (temperatures.empty()) throw UnreadableArgument(std::string(s.m.noRange));

    const auto rows = tableRows(s, *model, temperatures);
    if (!rows) return kExitComputationFailed;
    if (o.format == "csv") s.out << csvTable(*rows);
    else if (o.format == "markdown") s.out << markdownTable(*rows);
    else {
        try {
            s.out << cTable(s, *rows, step, *model, o);
        } catch (const models::TableOverflow& overflow) {
            s.err << s.m.errorPrefix << overflow.what() << '\n';
            return kExitComputationFailed;
        }
    }
    return exitStatus(found);
}

} // namespace

Command addTableCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<TableOptions>();
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "table", m.tableCommand, m);
    addModelOptions(*command, options->model, m);
    command->add_option("--from", options->from, std::string(m.fromOption))->type_name("T");
    command->add_option("--to", options->to, std::string(m.toOption))->type_name("T");
    command->add_option("--step", options->step, std::string(m.stepOption))->type_name("K");
    command->add_option("--format", options->format, std::string(m.formatOption))
        ->type_name("FORMAT");
    const FirmwareMessages& f = firmwareMessages(m);
    command->add_option("--name", options->name, std::string(f.nameOption))->type_name("IDENT");
    command->add_option("--c-type", options->cType, std::string(f.cTypeOption))
        ->type_name("TYPE")
        ->check(CLI::IsMember({"x10", "x100", "int", "float"}));
    return {command, [&session, options] { return table(session, *options); }};
}

} // namespace cli
