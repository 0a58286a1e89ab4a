// ntc-beta-cli: `budget`, how far a reading can be off at each temperature: tolerances, the ADC and self-heating.
#include "calc/number_writing.h"
#include "cli/commands/circuit_options.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/arguments.h"
#include "cli/input/readings.h"
#include "cli/output/svg_plot.h"
#include "models/error_budget.h"
#include "models/firmware_text.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct BudgetOptions {
    ModelOptions model;
    CircuitOptions circuit;
    bool kelvin = false;
    std::string from, to, step = "5", r25Tol = "0", betaTol = "0", resistorTol = "0", adcError = "0", vrefTol = "0";
    std::string dissipation, plot;
};

// A tolerance in % ("1" or "1%") as a fraction; 0 or more.
double percentArgument(const Messages& m, std::string_view name, std::string text)
{
    if (!text.empty() && text.back() == '%') text.pop_back();
    const double percent = numberArgument(m, name, text);
    if (!(percent >= 0)) throw UnreadableArgument(format(m.percentNotNegative, {name}));
    return percent / 100;
}

models::Tolerances tolerancesOf(const Messages& m, const BudgetOptions& o, const models::Divider& divider)
{
    models::Tolerances t;
    t.r25 = percentArgument(m, "--r25-tol", o.r25Tol);
    t.beta = percentArgument(m, "--beta-tol", o.betaTol);
    t.resistor = percentArgument(m, "--resistor-tol", o.resistorTol);
    t.reference = percentArgument(m, "--vref-tol", o.vrefTol);
    if (t.reference > 0 && !(divider.referenceVolts > 0)) throw UnreadableArgument(std::string(m.vrefTolNeedsVref));
    t.adcCounts = std::fabs(numberArgument(m, "--adc-error", o.adcError));
    return t;
}

double dissipationOf(const Messages& m, const BudgetOptions& o)
{
    if (o.dissipation.empty()) return 0;
    const double value = numberArgument(m, "--dissipation", o.dissipation);
    if (!(value > 0)) throw UnreadableArgument(format(m.dissipationNotPositive, {shownValue(m, o.dissipation)}));
    return value;
}

// temperature_c,worst_k,rss_k, then each contribution, then corners_k (the
// tolerances' worst case without quantisation); empty cells where a corner
// cannot be read.
std::string budgetCsv(const std::vector<models::BudgetRow>& rows, const SpreadsheetStyle& style)
{
    const std::string d(1, style.delimiter);
    const auto cell = [&](double v) { return std::isfinite(v) ? withDecimalMark(calc::roundedText(v, 4), style) : ""; };
    std::string text = "temperature_c" + d + "worst_k" + d + "rss_k" + d + "r25_k" + d + "beta_k" + d + "resistor_k" +
                       d + "vref_k" + d + "adc_k" + d + "quantisation_k" + d + "self_heating_k" + d + "corners_k\n";
    for (const models::BudgetRow& r : rows) {
        text += withDecimalMark(calc::decimalsText(r.celsius, 6), style);
        for (double v : {r.worstKelvin, r.rssKelvin, r.r25Kelvin, r.betaKelvin, r.resistorKelvin, r.referenceKelvin,
                         r.adcKelvin, r.quantisationKelvin, r.selfHeatingKelvin, r.cornersKelvin})
            text += d + cell(v);
        text += "\n";
    }
    return text;
}

// The band of the worst case and the root sum of squares, either way of 0.
Plot budgetPlot(const Messages& m, const std::vector<models::BudgetRow>& rows)
{
    Plot plot;
    plot.title = std::string(m.budgetPlotTitle);
    plot.xLabel = std::string(m.plotTemperature);
    plot.yLabel = std::string(m.plotErrorKelvin);
    plot.zeroLine = true;
    PlotSeries worst{std::string(m.plotWorst), PlotSeries::Style::band, {}, {}, {}, -1};
    PlotSeries rssUp{std::string(m.plotRss), PlotSeries::Style::dashed, {}, {}, {}, -1};
    PlotSeries rssDown{"", PlotSeries::Style::dashed, {}, {}, {}, 1};
    for (const models::BudgetRow& r : rows) {
        worst.x.push_back(r.celsius), worst.y.push_back(r.worstKelvin), worst.low.push_back(-r.worstKelvin);
        rssUp.x.push_back(r.celsius), rssUp.y.push_back(r.rssKelvin);
        rssDown.x.push_back(r.celsius), rssDown.y.push_back(-r.rssKelvin);
    }
    // The two dashed lines are one series in the legend, in one colour.
    plot.series = {worst, rssUp, rssDown};
    return plot;
}

void warnAboutRows(const Messages& m, const std::vector<models::BudgetRow>& rows, Findings& found)
{
    std::vector<std::string> unreadable;
    for (const models::BudgetRow& r : rows)
        if (!r.readable) unreadable.push_back(calc::decimalsText(r.celsius, 2));
    if (!unreadable.empty()) found.push_back({Severity::warning, format(m.budgetUnreadable, {joined(m, unreadable)})});
}

int budget(Session& s, const BudgetOptions& o)
{
    Findings found;
    const models::Divider divider = dividerOf(s.m, o.circuit, FixedResistor::byValue);
    const models::Tolerances tolerances = tolerancesOf(s.m, o, divider);
    const double dissipation = dissipationOf(s.m, o);
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::table, found);
    const auto from = checkedCelsius(s.m, "--from", o.from.empty() ? "-40°C" : o.from, o.kelvin, found);
    const auto to = checkedCelsius(s.m, "--to", o.to.empty() ? "125°C" : o.to, o.kelvin, found);
    if (!chosen || !from || !to || failed(found)) {
        writeFindings(s.err, s.m, found);
        return worseStatus(exitStatus(found), kExitComputationFailed);
    }
    const std::vector<double> temperatures =
        models::tableTemperatures({*from, *to, numberArgument(s.m, "--step", o.step)});
    if (temperatures.empty()) throw UnreadableArgument(std::string(s.m.noRange));
    warnBeyondModel(s.m, *chosen, *from, *to, found);
    const auto rows = models::errorBudget(chosen->model, divider, tolerances, dissipation, temperatures);
    warnAboutRows(s.m, rows, found);
    s.out << budgetCsv(rows, spreadsheetStyle(o.model.sheet, s.m, {"temperature_c", "resistance_ohm"}));
    int status = kExitSuccess;
    if (!o.plot.empty() && !writeSvgFile(o.plot, svgPlot(budgetPlot(s.m, rows)))) {
        found.push_back({Severity::refused, format(s.m.cannotWritePlot, {shownValue(s.m, o.plot)})});
        status = kExitComputationFailed;
    }
    writeFindings(s.err, s.m, found);
    return worseStatus(status, exitStatus(found));
}

} // namespace

CommandSpec budgetCommand(Session& session)
{
    const auto o = std::make_shared<BudgetOptions>();
    const Messages& m = session.m;
    CommandSpec command{m.budgetCommand, {}, [&session, o] { return budget(session, *o); }};
    addCircuitOptions(command.options, o->circuit, m, FixedResistor::byValue);
    for (OptionSpec& option : std::vector<OptionSpec>{
             textOption("--r25-tol", m.r25TolOption, "%", o->r25Tol),
             textOption("--beta-tol", m.betaTolOption, "%", o->betaTol),
             textOption("--resistor-tol", m.resistorTolOption, "%", o->resistorTol),
             textOption("--adc-error", m.adcErrorOption, "COUNTS", o->adcError),
             textOption("--vref-tol", m.vrefTolOption, "%", o->vrefTol),
             textOption("--dissipation", m.dissipationOption, "MW/K", o->dissipation),
             textOption("--from", m.fromOption, "T", o->from), textOption("--to", m.toOption, "T", o->to),
             textOption("--step", m.stepOption, "K", o->step), textOption("--plot", m.plotOption, "FILE", o->plot),
             kelvinFlag(o->kelvin, m)})
        command.options.push_back(std::move(option));
    addModelOptions(command.options, o->model, m, SteinhartValues::threeOrFour);
    return command;
}

} // namespace cli
