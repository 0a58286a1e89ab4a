// ntc-beta-cli: `pullup`, the fixed resistor of a thermistor divider chosen from an E series by its worst resolution.
#include "calc/number_writing.h"
#include "cli/commands/circuit_options.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/arguments.h"
#include "cli/input/readings.h"
#include "cli/output/svg_plot.h"
#include "models/firmware_text.h"
#include "models/pullup.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct PullupOptions {
    ModelOptions model;
    CircuitOptions circuit;
    bool kelvin = false;
    std::string from, to, series = "E24", lowest = "100", highest = "1M", plot, dissipation;
};

models::ESeries seriesOf(const std::string& name)
{
    const std::string lower = lowerTrimmed(name);
    if (lower == "e12") return models::ESeries::e12;
    if (lower == "e48") return models::ESeries::e48;
    if (lower == "e96") return models::ESeries::e96;
    return models::ESeries::e24;
}

// resistor_ohm,worst_c_per_count,worst_at_c,mean_c_per_count,min_count,max_count,on_rail[,self_heating_k]
std::string choicesCsv(const std::vector<models::FixedResistorChoice>& choices, const SpreadsheetStyle& style,
                       bool selfHeating)
{
    const std::string d(1, style.delimiter);
    const auto number = [&](std::string text) { return withDecimalMark(std::move(text), style); };
    std::string text = "resistor_ohm" + d + "worst_c_per_count" + d + "worst_at_c" + d + "mean_c_per_count" + d +
                       "min_count" + d + "max_count" + d + "on_rail" + (selfHeating ? d + "self_heating_k" : "") + "\n";
    for (const models::FixedResistorChoice& c : choices)
        text += number(calc::roundedText(c.ohms, 6)) + d + number(calc::roundedText(c.summary.worstCelsiusPerCount, 4)) +
                d + number(calc::decimalsText(c.summary.worstAtCelsius, 2)) + d +
                number(calc::roundedText(c.summary.meanCelsiusPerCount, 4)) + d + std::to_string(c.summary.minCount) +
                d + std::to_string(c.summary.maxCount) + d + (c.summary.onRail ? "1" : "0") +
                (selfHeating ? d + number(calc::roundedText(c.summary.largestRiseKelvin, 4)) : "") + "\n";
    return text;
}

Plot choicesPlot(const Messages& m, const std::vector<models::FixedResistorChoice>& choices)
{
    Plot plot;
    plot.title = std::string(m.pullupPlotTitle);
    plot.xLabel = std::string(m.plotResistor);
    plot.yLabel = std::string(m.plotWorstResolution);
    plot.logX = true;
    plot.logY = true;
    plot.siX = true;
    PlotSeries series{"", PlotSeries::Style::markers, {}, {}, {}, 0};
    for (const models::FixedResistorChoice& c : choices) {
        if (c.summary.onRail) continue;
        series.x.push_back(c.ohms);
        series.y.push_back(c.summary.worstCelsiusPerCount);
    }
    // The same points joined in order of resistance, to show the valley.
    PlotSeries curve{"", PlotSeries::Style::line, {}, {}, {}, -1};
    std::vector<std::pair<double, double>> ordered;
    for (std::size_t i = 0; i < series.x.size(); ++i) ordered.emplace_back(series.x[i], series.y[i]);
    std::sort(ordered.begin(), ordered.end());
    for (const auto& [x, y] : ordered) curve.x.push_back(x), curve.y.push_back(y);
    plot.series = {curve, series};
    if (!choices.empty() && !choices.front().summary.onRail) {
        plot.note = format(m.plotBest, {calc::roundedText(choices.front().ohms, 6)}) + ", " +
                    calc::roundedText(choices.front().summary.worstCelsiusPerCount, 3);
        plot.noteX = choices.front().ohms;
        plot.noteY = choices.front().summary.worstCelsiusPerCount;
    }
    return plot;
}

int pullup(Session& s, const PullupOptions& o)
{
    Findings found;
    const models::Divider circuit = dividerOf(s.m, o.circuit, FixedResistor::sideOnly);
    const std::vector<double> candidates =
        models::eSeriesValues(seriesOf(o.series), resistanceArgument(s.m, "--lowest", o.lowest),
                              resistanceArgument(s.m, "--highest", o.highest));
    if (candidates.empty()) throw UnreadableArgument(std::string(s.m.noCandidates));
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::table, found);
    const auto from = checkedCelsius(s.m, "--from", o.from.empty() ? "-40°C" : o.from, o.kelvin, found);
    const auto to = checkedCelsius(s.m, "--to", o.to.empty() ? "125°C" : o.to, o.kelvin, found);
    if (chosen && from && to && !(*from <= *to)) throw UnreadableArgument(std::string(s.m.noRange));
    if (!chosen || !from || !to || failed(found)) {
        writeFindings(s.err, s.m, found);
        return worseStatus(exitStatus(found), kExitComputationFailed);
    }
    warnBeyondModel(s.m, *chosen, *from, *to, found);
    const models::ThermistorSamples samples = models::sampleThermistor(chosen->model, *from, *to);
    double dissipation = 0;
    if (!o.dissipation.empty()) {
        dissipation = numberArgument(s.m, "--dissipation", o.dissipation);
        if (!(dissipation > 0))
            throw UnreadableArgument(format(s.m.dissipationNotPositive, {shownValue(s.m, o.dissipation)}));
    }
    const auto choices = models::rankFixedResistors(samples, circuit, candidates, dissipation);
    if (choices.front().summary.onRail) found.push_back({Severity::warning, std::string(s.m.allOnRail)});
    s.out << choicesCsv(choices, spreadsheetStyle(o.model.sheet, s.m, {"temperature_c", "resistance_ohm"}),
                        dissipation > 0);
    int status = kExitSuccess;
    if (!o.plot.empty() && !writeSvgFile(o.plot, svgPlot(choicesPlot(s.m, choices)))) {
        found.push_back({Severity::refused, format(s.m.cannotWritePlot, {shownValue(s.m, o.plot)})});
        status = kExitComputationFailed;
    }
    writeFindings(s.err, s.m, found);
    return worseStatus(status, exitStatus(found));
}

} // namespace

CommandSpec pullupCommand(Session& session)
{
    const auto o = std::make_shared<PullupOptions>();
    const Messages& m = session.m;
    OptionSpec series = textOption("--e-series", m.eSeriesOption, "SERIES", o->series);
    series.choices = {"E12", "E24", "E48", "E96"};
    series.ignoreCase = true;
    CommandSpec command{m.pullupCommand, {}, [&session, o] { return pullup(session, *o); }};
    addCircuitOptions(command.options, o->circuit, m, FixedResistor::sideOnly);
    for (OptionSpec& option : std::vector<OptionSpec>{
             textOption("--from", m.fromOption, "T", o->from), textOption("--to", m.toOption, "T", o->to), series,
             textOption("--lowest", m.lowestOption, "R", o->lowest),
             textOption("--highest", m.highestOption, "R", o->highest),
             textOption("--dissipation", m.dissipationOption, "MW/K", o->dissipation),
             textOption("--plot", m.plotOption, "FILE", o->plot),
             kelvinFlag(o->kelvin, m)})
        command.options.push_back(std::move(option));
    addModelOptions(command.options, o->model, m, SteinhartValues::threeOrFour);
    return command;
}

} // namespace cli
