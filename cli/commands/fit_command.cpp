// ntc-beta-cli: `fit`, a least-squares fit of a thermistor model through a whole R/T table.
#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "cli/commands/command.h"
#include "cli/commands/model_options.h"
#include "cli/input/arguments.h"
#include "cli/input/fitted_table.h"
#include "cli/input/readings.h"
#include "cli/output/firmware_format.h"
#include "cli/output/svg_plot.h"
#include "models/firmware_text.h"

#include <memory>
#include <ostream>
#include <string>

namespace cli {

namespace {

struct FitCommandOptions {
    std::string file, model = "steinhart", t0, r0, from, to, format = "text", name, plot;
    bool kelvin = false;
    SpreadsheetOptions sheet;
};

using models::celsiusText;

void writeCoefficients(std::ostream& out, const models::TableFit& fit)
{
    if (fit.kind == models::FitKind::beta) {
        out << "R0 = " << calc::fullValueText(fit.beta.r0) << " Ω\n"
            << "T0 = " << celsiusText(fit.beta.t0Kelvin) << " °C\n"
            << "B = " << calc::fullValueText(fit.beta.beta) << " K\n";
        return;
    }
    out << "A = " << calc::coefficientText(fit.curve.a) << '\n'
        << "B = " << calc::coefficientText(fit.curve.b) << '\n'
        << "C = " << calc::coefficientText(fit.curve.c) << '\n';
    if (fit.kind == models::FitKind::steinhart4) out << "D = " << calc::coefficientText(fit.curve.d) << '\n';
}

// The options read: what to fit through which rows of the table.
FitSettings settingsOf(const Session& s, const FitCommandOptions& o)
{
    if (!o.r0.empty() && o.model != "beta") throw UnreadableArgument(std::string(s.m.r0WithFit));
    FitSettings settings;
    settings.file = o.file;
    settings.model = o.model;
    settings.kelvin = o.kelvin;
    if (!o.t0.empty()) settings.t0Kelvin = kelvinOf(temperatureArgument(s.m, "--t0", o.t0, o.kelvin));
    if (!o.r0.empty()) settings.keptR0 = resistanceArgument(s.m, "--r0", o.r0);
    if (!o.from.empty()) settings.fromKelvin = kelvinOf(temperatureArgument(s.m, "--from", o.from, o.kelvin));
    if (!o.to.empty()) settings.toKelvin = kelvinOf(temperatureArgument(s.m, "--to", o.to, o.kelvin));
    settings.style = spreadsheetStyle(o.sheet, s.m, {"temperature_c", "resistance_ohm"});
    return settings;
}

// Each point's error as CSV after a blank line, in the spreadsheet's style.
void writeResiduals(std::ostream& out, const models::TableFit& fit, const std::vector<models::TablePoint>& points,
                    const SpreadsheetStyle& style)
{
    const char d = style.delimiter;
    const auto cell = [&](std::string text) { return withDecimalMark(std::move(text), style); };
    out << "\ntemperature_c" << d << "resistance_ohm" << d << "error_k\n";
    for (std::size_t i = 0; i < points.size(); ++i)
        out << cell(celsiusText(points[i].kelvin)) << d << cell(models::ohmsText(points[i].ohms)) << d
            << cell(calc::roundedText(fit.residualsKelvin[i], 3)) << '\n';
}

// Each row's error against its temperature, the rows outside --from/--to
// left out (they were not fitted).
Plot residualPlot(const Messages& m, const models::TableFit& fit, const std::vector<models::TablePoint>& points)
{
    Plot plot;
    plot.title = std::string(m.fitPlotTitle);
    plot.xLabel = std::string(m.plotTemperature);
    plot.yLabel = std::string(m.plotErrorKelvin);
    plot.zeroLine = true;
    std::vector<std::pair<double, double>> rows;
    for (std::size_t i = 0; i < points.size(); ++i)
        rows.emplace_back(points[i].kelvin - calc::kCelsiusOffset, fit.residualsKelvin[i]);
    plot.series = lineWithMarkers(std::move(rows), std::string(m.plotRows));
    return plot;
}

// The fit as the firmware asked for takes it, over the rows fitted.
void writeSettings(Session& s, const FitCommandOptions& o, const FileFit& fitted, Findings& found)
{
    const models::TableFit& fit = fitted.fit;
    const models::ThermistorModel model =
        fit.kind == models::FitKind::beta ? models::ThermistorModel(fit.beta) : models::ThermistorModel(fit.curve);
    FirmwareRequest request{*firmwareOf(o.format), models::firmwareCurve(model, fit.fromKelvin, fit.toKelvin),
                            fit.fromKelvin - calc::kCelsiusOffset, fit.toKelvin - calc::kCelsiusOffset, o.name, {},
                            nullptr};
    request.comment = {"NTC thermistor, ntc-beta-cli: " + o.model + " least-squares fit of " + o.file + " (" +
                       std::to_string(fitted.fitted.size()) + " points, max error " +
                       calc::roundedText(fit.maxErrorKelvin, 3) + " K)"};
    writeFirmwareSettings(s, request, found);
}

int fit(Session& s, const FitCommandOptions& o)
{
    Findings found;
    const FitSettings settings = settingsOf(s, o);
    const auto fitted = fitFile(s, settings, FitUse::values, found);
    if (fitted && !o.plot.empty() &&
        !writeSvgFile(o.plot, svgPlot(residualPlot(s.m, fitted->fit, fitted->fitted))))
        found.push_back({Severity::refused, format(s.m.cannotWritePlot, {shownValue(s.m, o.plot)})});
    if (fitted && firmwareOf(o.format)) {
        writeSettings(s, o, *fitted, found);
    } else if (fitted) {
        const models::TableFit& fit = fitted->fit;
        writeCoefficients(s.out, fit);
        s.out << "max_error_k = " << calc::roundedText(fit.maxErrorKelvin, 3) << '\n'
              << "rms_error_k = " << calc::roundedText(fit.rmsErrorKelvin, 3) << '\n'
              << "from_c = " << celsiusText(fit.fromKelvin) << '\n'
              << "to_c = " << celsiusText(fit.toKelvin) << '\n';
        writeResiduals(s.out, fit, fitted->fitted, settings.style);
    }
    writeFindings(s.err, s.m, found);
    return fitted && !failed(found) ? exitStatus(found) : worseStatus(exitStatus(found), kExitComputationFailed);
}

} // namespace

CommandSpec fitCommand(Session& session)
{
    const auto o = std::make_shared<FitCommandOptions>();
    const Messages& m = session.m;
    OptionSpec file = textOption("file", m.fitFile, "FILE", o->file);
    file.required = true;
    OptionSpec format = textOption("--format", m.fitFormatOption, "FORMAT", o->format);
    format.choices = {"text", "klipper", "reprap", "esphome"};
    CommandSpec command{m.fitCommand,
                     {file, modelChoice(o->model, m), textOption("--t0", m.t0Option, "T", o->t0),
                      textOption("--r0", m.r0Option, "R", o->r0), textOption("--from", m.fitFromOption, "T", o->from),
                      textOption("--to", m.fitToOption, "T", o->to), format,
                      textOption("--name", m.firmwareNameOption, "NAME", o->name),
                      textOption("--plot", m.plotOption, "FILE", o->plot), kelvinFlag(o->kelvin, m)},
                     [&session, o] { return fit(session, *o); }};
    addSpreadsheetOptions(command.options, o->sheet, m, m.tableFileGroup);
    return command;
}

} // namespace cli
