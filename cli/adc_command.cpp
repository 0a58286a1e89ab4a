// ntc-beta-cli: `adc`, an ADC lookup table for a thermistor in a divider, as CSV, C or Marlin's format.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/fit_options.h"
#include "cli/model_options.h"
#include "cli/plausibility.h"
#include "models/beta_reference.h"
#include "models/firmware_text.h"
#include "models/quantity.h"

#include <CLI/CLI.hpp>

#include <cmath>
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

struct AdcOptions {
    std::string pullUp, pullDown, bits, series, parallel, supply = "3.3", vref;
    std::string r25, r0, beta, betaPair;
    std::vector<std::string> steinhart;
    std::string fitFile;
    FitOptions fit;
    std::string from = "-40", to = "125", step = "5";
    bool everyCount = false;
    std::string format = "csv", name, cType = "x10";
    bool fahrenheit = false;
};

// The model chosen, with the lines that describe it in a C header and what
// the warnings need.
struct ChosenModel {
    models::FirmwareModel model;
    std::string description;
    std::optional<models::BetaReference> beta;
    std::optional<models::TableFit> fit;
};

std::string ohmsText(double ohms) { return models::roundedText(ohms, 6) + " ohm"; }

models::Divider dividerOf(const Session& s, const AdcOptions& o)
{
    const FirmwareMessages& f = firmwareMessages(s.m);
    if (o.pullUp.empty() == o.pullDown.empty() || o.bits.empty()) throw UnreadableArgument(std::string(f.dividerNeeded));
    models::Divider d;
    d.side = o.pullUp.empty() ? models::ThermistorSide::high : models::ThermistorSide::low;
    d.fixedOhms = o.pullUp.empty() ? resistanceArgument(s.m, "--pull-down", o.pullDown)
                                   : resistanceArgument(s.m, "--pull-up", o.pullUp);
    const double bits = numberArgument(s.m, "--bits", o.bits);
    d.bits = bits >= 1 && bits <= 16 && bits == int(bits) ? int(bits) : 0;
    if (!o.series.empty()) d.seriesOhms = resistanceArgument(s.m, "--series", o.series);
    if (!o.parallel.empty()) d.parallelOhms = resistanceArgument(s.m, "--parallel", o.parallel);
    d.supplyVolts = numberArgument(s.m, "--supply", o.supply);
    if (!o.vref.empty()) d.referenceVolts = numberArgument(s.m, "--vref", o.vref);
    if (!models::isValid(d)) throw UnreadableArgument(std::string(f.badDivider));
    return d;
}

std::string circuitText(const models::Divider& d)
{
    std::string text = "Circuit: thermistor to ";
    text += d.side == models::ThermistorSide::low ? "ground, " + ohmsText(d.fixedOhms) + " pull-up to the supply"
                                                  : "the supply, " + ohmsText(d.fixedOhms) + " pull-down to ground";
    if (d.seriesOhms > 0) text += ", " + ohmsText(d.seriesOhms) + " in series";
    if (!std::isinf(d.parallelOhms)) text += ", " + ohmsText(d.parallelOhms) + " across";
    text += "; " + std::to_string(d.bits) + "-bit ADC, code = V / Vref * 2^" + std::to_string(d.bits) + " rounded, ";
    if (d.referenceVolts > 0)
        return text + "Vref " + models::roundedText(d.referenceVolts, 6) + " V, supply " +
               models::roundedText(d.supplyVolts, 6) + " V";
    return text + "Vref = the supply (ratiometric)";
}

models::BetaReference betaReferenceOf(const Session& s, const AdcOptions& o, Findings& found)
{
    const FirmwareMessages& f = firmwareMessages(s.m);
    models::BetaReference ref;
    const std::string_view r0Name = o.r25.empty() ? "--r0" : "--r25";
    const std::string& r0Text = o.r25.empty() ? o.r0 : o.r25;
    ref.model.r0 = resistanceArgument(s.m, r0Name, r0Text);
    ref.model.t0Kelvin = o.r25.empty() ? kelvinOf(temperatureArgument(s.m, "--t0", o.fit.t0, false)) : 298.15;
    if (o.r25.empty()) checkUseRange(s.m, "--t0", o.fit.t0, ref.model.t0Kelvin, found);
    ref.model.beta = numberArgument(s.m, "--beta", o.beta);
    checkBetaModel(s.m, ref.model, r0Name, r0Text, o.beta, found);
    if (o.betaPair.empty()) return ref;
    const auto slash = o.betaPair.find('/');
    const auto low = models::parseNumber(o.betaPair.substr(0, slash));
    std::optional<double> high;
    if (slash != std::string::npos) high = models::parseNumber(o.betaPair.substr(slash + 1));
    if (!low || !high || *low == *high)
        throw UnreadableArgument(namedProblem(s.m, "--beta-pair", o.betaPair, f.expectedPair));
    ref.pairLowKelvin = *low + calc::kCelsiusOffset;
    ref.pairHighKelvin = *high + calc::kCelsiusOffset;
    return ref;
}

std::string betaDescription(const models::BetaReference& ref)
{
    const std::string b = ref.pairLowKelvin > 0 ? calc::betaName(ref.pairLowKelvin, ref.pairHighKelvin) : "B";
    return "Model: beta, R0 = " + ohmsText(ref.model.r0) + " at " +
           models::decimalsText(ref.model.t0Kelvin - calc::kCelsiusOffset, 2) + " degC, " + b + " = " +
           models::roundedText(ref.model.beta, 9) + " K";
}

std::string curveDescription(const models::SteinhartHart4& c, bool withD)
{
    return "A = " + coefficientText(c.a) + ", B = " + coefficientText(c.b) + ", C = " + coefficientText(c.c) +
           (withD ? ", D = " + coefficientText(c.d) + " (ln R)^2" : "");
}

ChosenModel fittedModel(Session& s, const AdcOptions& o, Findings& found)
{
    const FileFit fitted = fitFromFile(s, o.fitFile, o.fit, found);
    warnAboutFit(s.m, fitted.fit, fitted.points, found);
    ChosenModel chosen{fitted.fit.curve, "", std::nullopt, fitted.fit};
    if (fitted.fit.kind == models::FitKind::beta) {
        chosen.model = fitted.fit.beta;
        chosen.beta = models::BetaReference{fitted.fit.beta};
    }
    chosen.description = "Model: " + o.fit.model + " least-squares fit of " + o.fitFile + " (" +
                         std::to_string(fitted.points.size()) + " points, max error " +
                         models::roundedText(fitted.fit.maxErrorKelvin, 3) + " K): " +
                         curveDescription(fitted.fit.curve, fitted.fit.kind == models::FitKind::steinhart4);
    return chosen;
}

ChosenModel chosenModelOf(Session& s, const AdcOptions& o, Findings& found)
{
    const bool beta = !o.r25.empty() || !o.r0.empty() || !o.beta.empty();
    const int given = int(beta) + int(!o.steinhart.empty()) + int(!o.fitFile.empty());
    const bool betaComplete = (o.r25.empty() != o.r0.empty()) && !o.beta.empty();
    if (given != 1 || (beta && !betaComplete) || (!o.steinhart.empty() && o.steinhart.size() < 3))
        throw UnreadableArgument(std::string(firmwareMessages(s.m).modelNeeded));
    if (!o.fitFile.empty()) return fittedModel(s, o, found);
    if (beta) {
        const models::BetaReference ref = betaReferenceOf(s, o, found);
        return {ref.model, betaDescription(ref), ref, std::nullopt};
    }
    models::SteinhartHart4 c;
    c.a = numberArgument(s.m, "A", o.steinhart[0]);
    c.b = numberArgument(s.m, "B", o.steinhart[1]);
    c.c = numberArgument(s.m, "C", o.steinhart[2]);
    if (o.steinhart.size() == 4) c.d = numberArgument(s.m, "D", o.steinhart[3]);
    checkCoefficients(s.m, {c.a, c.b, c.c}, found);
    return {c, "Model: Steinhart-Hart, " + curveDescription(c, o.steinhart.size() == 4), std::nullopt, std::nullopt};
}

struct AdcRange {
    models::TableRange range;
    std::string text;
};

// The range, or none when a bound is refused (on `found`).
std::optional<AdcRange> rangeOf(const Session& s, const AdcOptions& o, Findings& found)
{
    const auto from = checkedCelsius(s.m, "--from", o.from, found);
    const auto to = checkedCelsius(s.m, "--to", o.to, found);
    if (!from || !to) return std::nullopt;
    AdcRange r{{*from, *to, numberArgument(s.m, "--step", o.step)}, ""};
    if (o.everyCount && !(r.range.fromCelsius <= r.range.toCelsius)) throw UnreadableArgument(std::string(s.m.noRange));
    if (!o.everyCount && models::tableRowCount(r.range) == 0) throw UnreadableArgument(std::string(s.m.noRange));
    r.text = "Range: " + models::decimalsText(r.range.fromCelsius, 6) + " to " +
             models::decimalsText(r.range.toCelsius, 6) + " degC, " +
             (o.everyCount ? "one row per ADC code" : "in steps of " + models::decimalsText(r.range.step, 6) + " K");
    return r;
}

// What the reader of the table should know: rows merged or dropped, and
// rows where the model is beyond what it was made for.
void warnAboutTable(const Messages& m, const models::AdcTable& table, const ChosenModel& chosen,
                    const models::TableRange& r, Findings& found)
{
    const FirmwareMessages& f = firmwareMessages(m);
    const auto warn = [&](std::string_view text, const std::string& figure) {
        found.push_back({Severity::warning, std::string(text) + figure});
    };
    if (table.mergedRows > 0) warn(f.mergedRows, std::to_string(table.mergedRows));
    if (table.railRows > 0) warn(f.railRows, std::to_string(table.railRows));
    const double from = r.fromCelsius + calc::kCelsiusOffset, to = r.toCelsius + calc::kCelsiusOffset;
    if (chosen.fit && (from < chosen.fit->fromKelvin || to > chosen.fit->toKelvin))
        warn(f.beyondFit, models::decimalsText(chosen.fit->fromKelvin - calc::kCelsiusOffset, 2) + " .. " +
                              models::decimalsText(chosen.fit->toKelvin - calc::kCelsiusOffset, 2));
    else if (chosen.beta && !chosen.fit) {
        const double beyond = models::kelvinBeyondAnchors(*chosen.beta, from, to);
        if (beyond > models::kBetaReachKelvin) warn(f.betaReach, models::decimalsText(beyond, 2));
    }
}

models::TemperatureType temperatureTypeOf(const std::string& name)
{
    if (name == "x100") return models::TemperatureType::hundredths;
    if (name == "int") return models::TemperatureType::whole;
    if (name == "float") return models::TemperatureType::floating;
    return models::TemperatureType::tenths;
}

std::string formatted(const Session& s, const AdcOptions& o, const models::AdcTable& table,
                      std::vector<std::string> comment, int bits)
{
    const bool marlin = o.format == "marlin";
    const std::string name = !o.name.empty() ? o.name : marlin ? "temptable_998" : "ntc_adc_table";
    if (!models::isCIdentifier(name))
        throw UnreadableArgument(namedProblem(s.m, "--name", name, firmwareMessages(s.m).notIdentifier));
    if (marlin) return models::adcTableMarlin(table, bits, name, comment);
    return models::adcTableC(table, {name, temperatureTypeOf(o.cType), o.fahrenheit, std::move(comment)});
}

// The table on standard output, its warnings added to `found`; gives the
// exit status of the output alone.
int writeAdcTable(Session& s, const AdcOptions& o, const ChosenModel& chosen, const models::Divider& divider,
                  const AdcRange& r, Findings& found)
{
    const models::AdcTable table =
        o.everyCount ? models::adcTablePerCount(chosen.model, divider, r.range.fromCelsius, r.range.toCelsius)
                     : models::adcTableAt(chosen.model, divider, models::tableTemperatures(r.range));
    if (table.rows.empty()) {
        s.err << s.m.errorPrefix << firmwareMessages(s.m).noRows << '\n';
        return kExitComputationFailed;
    }
    warnAboutTable(s.m, table, chosen, r.range, found);
    if (o.format == "csv") {
        const SpreadsheetStyle style = spreadsheetStyle(o.fit.sheet, s.m, firmwareMessages(s.m),
                                                        {"temperature_c", "resistance_ohm"});
        s.out << models::adcTableCsv(table, {style.delimiter, style.decimalComma, o.fahrenheit});
        return kExitSuccess;
    }
    if (o.format == "marlin" && divider.bits != 10)
        throw UnreadableArgument(std::string(firmwareMessages(s.m).marlinBits));
    std::vector<std::string> comment{"NTC thermistor ADC table, ntc-beta-cli " NTC_BETA_VERSION, chosen.description,
                                     circuitText(divider), r.text + ", " + std::to_string(table.rows.size()) + " rows"};
    try {
        s.out << formatted(s, o, table, std::move(comment), divider.bits);
    } catch (const models::TableOverflow& overflow) {
        s.err << s.m.errorPrefix << overflow.what() << '\n';
        return kExitComputationFailed;
    }
    return kExitSuccess;
}

int adc(Session& s, const AdcOptions& o)
{
    Findings found;
    const models::Divider divider = dividerOf(s, o);
    const ChosenModel chosen = chosenModelOf(s, o, found);
    const auto range = rangeOf(s, o, found);
    const int status = failed(found) || !range ? kExitSuccess : writeAdcTable(s, o, chosen, divider, *range, found);
    writeFindings(s.err, s.m, found);
    return worseStatus(status, exitStatus(found));
}

} // namespace

Command addAdcCommand(CLI::App& app, Session& session)
{
    const auto o = std::make_shared<AdcOptions>();
    const FirmwareMessages& f = firmwareMessages(session.m);
    const Messages& m = session.m;
    CLI::App* command = addSubcommand(app, "adc", f.adcCommand, m);
    command->add_option("--pull-up", o->pullUp, std::string(f.pullUpOption))->type_name("R");
    command->add_option("--pull-down", o->pullDown, std::string(f.pullDownOption))->type_name("R");
    command->add_option("--bits", o->bits, std::string(f.bitsOption))->type_name("N");
    command->add_option("--series", o->series, std::string(f.seriesOption))->type_name("R");
    command->add_option("--parallel", o->parallel, std::string(f.parallelOption))->type_name("R");
    command->add_option("--supply", o->supply, std::string(f.supplyOption))->type_name("V");
    command->add_option("--vref", o->vref, std::string(f.vrefOption))->type_name("V");
    command->add_option("--r25", o->r25, std::string(m.r25Option))->type_name("R");
    command->add_option("--r0", o->r0, std::string(f.r0Option))->type_name("R");
    command->add_option("--t0", o->fit.t0, std::string(f.t0Option))->type_name("T");
    command->add_option("--beta", o->beta, std::string(m.betaOption))->type_name("B");
    command->add_option("--beta-pair", o->betaPair, std::string(f.betaPairOption))->type_name("T1/T2");
    command->add_option("--steinhart", o->steinhart, std::string(f.steinhartOption))->expected(3, 4)->type_name("N");
    command->add_option("--fit", o->fitFile, std::string(f.fitOption))->type_name("FILE");
    addFitOptions(*command, o->fit, false, f);
    command->add_option("--from", o->from, std::string(m.fromOption))->type_name("T");
    command->add_option("--to", o->to, std::string(m.toOption))->type_name("T");
    command->add_option("--step", o->step, std::string(m.stepOption))->type_name("K");
    command->add_flag("--every-count", o->everyCount, std::string(f.everyCountOption));
    command->add_option("--format", o->format, std::string(f.formatOption))
        ->type_name("FORMAT")
        ->check(CLI::IsMember({"csv", "c", "marlin"}));
    command->add_option("--name", o->name, std::string(f.nameOption))->type_name("IDENT");
    command->add_option("--c-type", o->cType, std::string(f.cTypeOption))
        ->type_name("TYPE")
        ->check(CLI::IsMember({"x10", "x100", "int", "float"}));
    command->add_flag("--fahrenheit", o->fahrenheit, std::string(f.fahrenheitOption));
    return {command, [&session, o] { return adc(session, *o); }};
}

} // namespace cli
