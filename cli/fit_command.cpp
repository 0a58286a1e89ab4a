// ntc-beta-cli: `fit`, a least-squares fit of a thermistor model through a whole R/T table.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/fit_options.h"
#include "cli/model_options.h"
#include "models/firmware_text.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

namespace cli {

namespace {

struct FitCommandOptions {
    std::string file;
    FitOptions fit;
};

std::string celsiusText(double kelvin) { return models::decimalsText(kelvin - calc::kCelsiusOffset, 6); }

void writeCoefficients(std::ostream& out, const models::TableFit& fit)
{
    if (fit.kind == models::FitKind::beta) {
        out << "R0 = " << calc::fullValueText(fit.beta.r0) << " Ω\n"
            << "T0 = " << celsiusText(fit.beta.t0Kelvin) << " °C\n"
            << "B = " << calc::fullValueText(fit.beta.beta) << " K\n";
        return;
    }
    out << "A = " << coefficientText(fit.curve.a) << '\n'
        << "B = " << coefficientText(fit.curve.b) << '\n'
        << "C = " << coefficientText(fit.curve.c) << '\n';
    if (fit.kind == models::FitKind::steinhart4) out << "D = " << coefficientText(fit.curve.d) << '\n';
}

// Each point's error as CSV after a blank line, in the spreadsheet's style.
void writeResiduals(std::ostream& out, const models::TableFit& fit, const std::vector<models::TablePoint>& points,
                    const SpreadsheetStyle& style)
{
    const char d = style.delimiter;
    const auto cell = [&](std::string text) { return withDecimalMark(std::move(text), style); };
    out << "\ntemperature_c" << d << "resistance_ohm" << d << "error_k\n";
    for (std::size_t i = 0; i < points.size(); ++i)
        out << cell(celsiusText(points[i].kelvin)) << d << cell(models::roundedText(points[i].ohms, 9)) << d
            << cell(models::roundedText(fit.residualsKelvin[i], 3)) << '\n';
}

int fit(Session& s, const FitCommandOptions& o)
{
    Findings found;
    const auto [fit, points, style] = fitFromFile(s, o.file, o.fit, found);
    writeCoefficients(s.out, fit);
    s.out << "max_error_k = " << models::roundedText(fit.maxErrorKelvin, 3) << '\n'
          << "rms_error_k = " << models::roundedText(fit.rmsErrorKelvin, 3) << '\n'
          << "from_c = " << celsiusText(fit.fromKelvin) << '\n'
          << "to_c = " << celsiusText(fit.toKelvin) << '\n';
    writeResiduals(s.out, fit, points, style);
    warnAboutFit(s.m, fit, points, found);
    writeFindings(s.err, s.m, found);
    return exitStatus(found);
}

} // namespace

Command addFitCommand(CLI::App& app, Session& session)
{
    const auto options = std::make_shared<FitCommandOptions>();
    const FirmwareMessages& f = firmwareMessages(session.m);
    CLI::App* command = addSubcommand(app, "fit", f.fitCommand, session.m);
    // A file named /path/table.csv is a file, not a Windows-style /option.
    command->allow_windows_style_options(false);
    command->add_option("file", options->file, std::string(f.fitFile))->type_name("FILE")->required();
    addFitOptions(*command, options->fit, true, f);
    return {command, [&session, options] { return fit(session, *options); }};
}

} // namespace cli
