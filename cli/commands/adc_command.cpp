// ntc-beta-cli: `adc`, an ADC lookup table for a thermistor in a divider, as CSV, C or Marlin's format, or the model and
// circuit as Klipper, RepRapFirmware and ESPHome take them.
#include "calc/number_writing.h"
#include "cli/commands/circuit_options.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/arguments.h"
#include "cli/input/plausibility.h"
#include "cli/input/readings.h"
#include "cli/output/firmware_format.h"
#include "cli/output/svg_plot.h"
#include "models/adc_table.h"
#include "models/error_budget.h"
#include "models/firmware_text.h"
#include "models/model_text.h"
#include "models/table_size.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct AdcOptions {
    CircuitOptions circuit;
    ModelOptions model;
    bool kelvin = false;
    std::string from, to, step; // step empty: 5 K
    bool everyCount = false;
    std::string format = "csv", name, cType = "x10", maxError, dissipation, plot;
    bool fahrenheit = false;
};

struct AdcRange {
    models::TableRange range;
    std::string text; // the comment's "Range: ..." line
};

// The range, or none when a bound is refused (on `found`).
std::optional<AdcRange> rangeOf(const Session& s, const AdcOptions& o, Findings& found)
{
    const auto from = checkedCelsius(s.m, "--from", o.from.empty() ? "-40°C" : o.from, o.kelvin, found);
    const auto to = checkedCelsius(s.m, "--to", o.to.empty() ? "125°C" : o.to, o.kelvin, found);
    if (!from || !to) return std::nullopt;
    if (!o.maxError.empty() && (o.everyCount || !o.step.empty()))
        throw UnreadableArgument(std::string(s.m.maxErrorWithEveryCount));
    AdcRange r{{*from, *to, numberArgument(s.m, "--step", o.step.empty() ? "5" : o.step)}, ""};
    const bool perCount = o.everyCount || !o.maxError.empty();
    if (perCount && !(r.range.fromCelsius <= r.range.toCelsius)) throw UnreadableArgument(std::string(s.m.noRange));
    if (!perCount && models::tableRowCount(r.range) == 0) throw UnreadableArgument(std::string(s.m.noRange));
    r.text = models::rangeLine(r.range,
                               o.everyCount ? models::TableRows::everyCount
                               : perCount   ? models::TableRows::withinError
                                            : models::TableRows::steps,
                               o.maxError);
    return r;
}

// Temperatures in °C for a message: the first kShownTemperatures of them,
// "…" for the rest.
std::string celsiusList(const Messages& m, const std::vector<double>& celsius)
{
    constexpr std::size_t kShownTemperatures = 10;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < celsius.size() && i < kShownTemperatures; ++i)
        texts.push_back(calc::decimalsText(celsius[i], 2));
    if (celsius.size() > kShownTemperatures) texts.push_back("…");
    return joined(m, texts);
}

// What the reader of the table should know: rows merged or dropped, and
// rows where the model is beyond what it was made for.
void warnAboutTable(const Messages& m, const models::AdcTable& table, const ChosenModel& chosen,
                    const models::TableRange& r, Findings& found)
{
    const auto warn = [&](std::string text) { found.push_back({Severity::warning, std::move(text)}); };
    if (table.mergedRows > 0)
        warn(format(m.mergedRows, {std::to_string(table.mergedRows), celsiusList(m, table.mergedCelsius)}));
    if (table.railRows > 0)
        warn(format(m.railRows, {std::to_string(table.railRows), celsiusList(m, table.railCelsius)}));
    warnBeyondModel(m, chosen, r.fromCelsius, r.toCelsius, found);
}

models::TemperatureType temperatureTypeOf(const std::string& name)
{
    if (name == "x100") return models::TemperatureType::hundredths;
    if (name == "int") return models::TemperatureType::whole;
    if (name == "float") return models::TemperatureType::floating;
    return models::TemperatureType::tenths;
}

// The step in °C the format chosen stores its temperatures in.
double storedStep(const AdcOptions& o)
{
    const auto format = o.format == "csv"      ? models::TableFormat::csv
                        : o.format == "marlin" ? models::TableFormat::marlin
                                               : models::TableFormat::c;
    return models::storedStep(format, temperatureTypeOf(o.cType));
}

std::string formatted(const Session& s, const AdcOptions& o, const models::AdcTable& table,
                      std::vector<std::string> comment, int bits)
{
    const bool marlin = o.format == "marlin";
    const std::string name = !o.name.empty() ? o.name : marlin ? "temptable_998" : "ntc_adc_table";
    if (!models::isCIdentifier(name))
        throw UnreadableArgument(namedProblem(s.m, "--name", name, s.m.notIdentifier));
    if (marlin) return models::adcTableMarlin(table, bits, name, comment);
    return models::adcTableC(table, {name, temperatureTypeOf(o.cType), o.fahrenheit, std::move(comment)});
}

// The rows: every step, every code, or the fewest codes within --max-error.
models::AdcTable tableOf(const Session& s, const AdcOptions& o, const ChosenModel& chosen,
                         const models::Divider& divider, const AdcRange& r, Findings& found)
{
    if (o.maxError.empty())
        return o.everyCount
                   ? models::adcTablePerCount(chosen.model, divider, r.range.fromCelsius, r.range.toCelsius)
                   : models::adcTableAt(chosen.model, divider, models::tableTemperatures(r.range));
    const double bound = numberArgument(s.m, "--max-error", o.maxError);
    const double step = storedStep(o);
    if (!(bound >= step / 2) || !(bound > 0))
        throw UnreadableArgument(format(s.m.maxErrorTooFine, {shownValue(s.m, o.maxError), calc::decimalsText(step, 2),
                                                              calc::decimalsText(step / 2, 3)}));
    models::AdcTable table = models::adcTablePerCount(chosen.model, divider, r.range.fromCelsius, r.range.toCelsius);
    table.rows = models::fewestRows(table, bound, step);
    if (!table.rows.empty())
        found.push_back({Severity::note, format(s.m.maxErrorRows, {o.maxError, std::to_string(table.rows.size())})});
    return table;
}

// Each row's self-heating, and a warning where it passes a tenth of the
// resolution.
void addSelfHeating(const Messages& m, const models::Divider& divider, double milliwattsPerKelvin,
                    models::AdcTable& table, Findings& found)
{
    const models::AdcRow* worst = nullptr;
    for (models::AdcRow& row : table.rows) {
        row.riseKelvin = models::selfHeatingKelvin(divider, row.ohms, milliwattsPerKelvin);
        if (row.riseKelvin > row.celsiusPerCount / 10 &&
            (!worst || row.riseKelvin / row.celsiusPerCount > worst->riseKelvin / worst->celsiusPerCount))
            worst = &row;
    }
    if (worst)
        found.push_back({Severity::warning,
                         format(m.selfHeatingRise, {calc::roundedText(worst->riseKelvin, 3),
                                                    calc::decimalsText(worst->celsius, 2),
                                                    calc::roundedText(worst->celsiusPerCount, 3)})});
}

Plot resolutionPlot(const Messages& m, const models::AdcTable& table)
{
    Plot plot;
    plot.title = std::string(m.adcPlotTitle);
    plot.xLabel = std::string(m.plotTemperature);
    plot.yLabel = std::string(m.plotResolution);
    std::vector<std::pair<double, double>> points;
    for (const models::AdcRow& row : table.rows) points.emplace_back(row.celsius, row.celsiusPerCount);
    plot.series = lineWithMarkers(std::move(points), std::string(m.plotRows));
    return plot;
}

// The table on standard output, its warnings and notes added to `found`;
// gives the exit status of the output alone.
int writeAdcTable(Session& s, const AdcOptions& o, const ChosenModel& chosen, const models::Divider& divider,
                  const AdcRange& r, Findings& found)
{
    models::AdcTable table = tableOf(s, o, chosen, divider, r, found);
    if (table.rows.empty()) {
        s.err << s.m.errorPrefix << s.m.noRows << '\n';
        return kExitComputationFailed;
    }
    warnAboutTable(s.m, table, chosen, r.range, found);
    if (!o.dissipation.empty()) {
        const double d = numberArgument(s.m, "--dissipation", o.dissipation);
        if (!(d > 0)) throw UnreadableArgument(format(s.m.dissipationNotPositive, {shownValue(s.m, o.dissipation)}));
        addSelfHeating(s.m, divider, d, table, found);
    }
    const auto stored = models::storedRows(table, storedStep(o));
    const models::InterpolationError error = models::interpolationError(stored, chosen.model, divider);
    if (stored.size() >= 2)
        found.push_back({Severity::note, format(s.m.interpolationNote, {calc::roundedText(error.kelvin, 3),
                                                                        std::to_string(error.atCount),
                                                                        calc::decimalsText(error.atCelsius, 2)})});
    if (!o.plot.empty() && !writeSvgFile(o.plot, svgPlot(resolutionPlot(s.m, table))))
        found.push_back({Severity::refused, format(s.m.cannotWritePlot, {shownValue(s.m, o.plot)})});
    if (o.format == "csv") {
        const SpreadsheetStyle style = spreadsheetStyle(o.model.sheet, s.m, {"temperature_c", "resistance_ohm"});
        s.out << models::adcTableCsv(table, {style.delimiter, style.decimalComma, o.fahrenheit, !o.dissipation.empty()});
        return kExitSuccess;
    }
    if (o.format == "marlin" && divider.bits != 10) throw UnreadableArgument(std::string(s.m.marlinBits));
    std::vector<std::string> comment = models::adcTableComment(chosen.description, divider, r.text, table.rows.size());
    if (stored.size() >= 2) comment.push_back(models::interpolationLine(error.kelvin, error.atCount, error.atCelsius));
    try {
        s.out << formatted(s, o, table, std::move(comment), divider.bits);
    } catch (const models::TableOverflow& overflow) {
        s.err << s.m.errorPrefix << overflow.what() << '\n';
        return kExitComputationFailed;
    }
    return kExitSuccess;
}

int writeSettings(Session& s, const AdcOptions& o, const ChosenModel& chosen, const models::Divider& divider,
                  const AdcRange& r, Findings& found)
{
    const auto [from, to] = modelRangeCelsius(chosen, r.range.fromCelsius, r.range.toCelsius);
    FirmwareRequest request{*firmwareOf(o.format), {}, from, to, o.name, {}, &divider};
    request.curve = firmwareCurveOver(s.m, chosen.model, from, to);
    request.comment = models::settingsComment(chosen.description, &divider);
    writeFirmwareSettings(s, request, found);
    return kExitSuccess;
}

int adc(Session& s, const AdcOptions& o)
{
    Findings found;
    const models::Divider divider = dividerOf(s.m, o.circuit, FixedResistor::byValue);
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::table, found);
    const auto range = rangeOf(s, o, found);
    const bool write = chosen && range && !failed(found);
    int status = kExitSuccess;
    if (write) status = firmwareOf(o.format) ? writeSettings(s, o, *chosen, divider, *range, found)
                                             : writeAdcTable(s, o, *chosen, divider, *range, found);
    writeFindings(s.err, s.m, found);
    return worseStatus(chosen ? status : kExitComputationFailed, exitStatus(found));
}

} // namespace

CommandSpec adcCommand(Session& session)
{
    const auto o = std::make_shared<AdcOptions>();
    const Messages& m = session.m;
    OptionSpec format = textOption("--format", m.adcFormatOption, "FORMAT", o->format);
    format.choices = {"csv", "c", "marlin", "klipper", "reprap", "esphome"};
    OptionSpec cType = textOption("--c-type", m.cTypeOption, "TYPE", o->cType);
    cType.choices = {"x10", "x100", "int", "float"};
    CommandSpec command{m.adcCommand, {}, [&session, o] { return adc(session, *o); }};
    addCircuitOptions(command.options, o->circuit, m, FixedResistor::byValue);
    for (OptionSpec& option : std::vector<OptionSpec>{
             textOption("--from", m.fromOption, "T", o->from), textOption("--to", m.toOption, "T", o->to),
             textOption("--step", m.stepOption, "K", o->step),
             flagOption("--every-count", m.everyCountOption, o->everyCount),
             textOption("--max-error", m.maxErrorOption, "K", o->maxError), format,
             textOption("--name", m.adcNameOption, "IDENT", o->name), cType,
             flagOption("--fahrenheit", m.fahrenheitOption, o->fahrenheit),
             textOption("--dissipation", m.dissipationOption, "MW/K", o->dissipation),
             textOption("--plot", m.plotOption, "FILE", o->plot), kelvinFlag(o->kelvin, m)})
        command.options.push_back(std::move(option));
    addModelOptions(command.options, o->model, m, SteinhartValues::threeOrFour);
    return command;
}

} // namespace cli
