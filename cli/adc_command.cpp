// ntc-beta-cli: `adc`, an ADC lookup table for a thermistor in a divider, as CSV, C or Marlin's format.
#include "calc/b_value.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_options.h"
#include "cli/plausibility.h"
#include "cli/readings.h"
#include "models/adc_table.h"
#include "models/beta_reference.h"
#include "models/firmware_text.h"
#include "models/model_text.h"
#include "models/quantity.h"

#include <cmath>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct AdcOptions {
    std::string pullUp, pullDown, bits, fullScale = "2^N", series, parallel, supply = "3.3", vref;
    ModelOptions model;
    bool kelvin = false;
    std::string from, to, step = "5";
    bool everyCount = false;
    std::string format = "csv", name, cType = "x10";
    bool fahrenheit = false;
};

models::Divider dividerOf(const Session& s, const AdcOptions& o)
{
    if (o.pullUp.empty() == o.pullDown.empty() || o.bits.empty())
        throw UnreadableArgument(std::string(s.m.dividerNeeded));
    models::Divider d;
    d.side = o.pullUp.empty() ? models::ThermistorSide::high : models::ThermistorSide::low;
    d.fixedOhms = o.pullUp.empty() ? resistanceArgument(s.m, "--pull-down", o.pullDown)
                                   : resistanceArgument(s.m, "--pull-up", o.pullUp);
    const double bits = numberArgument(s.m, "--bits", o.bits);
    d.bits = bits >= 1 && bits <= 16 && bits == int(bits) ? int(bits) : 0;
    const bool lessOne = lowerTrimmed(o.fullScale) == "2^n-1";
    d.fullScale = lessOne ? models::FullScale::powerOfTwoLessOne : models::FullScale::powerOfTwo;
    if (!o.series.empty()) d.seriesOhms = resistanceArgument(s.m, "--series", o.series);
    if (!o.parallel.empty()) d.parallelOhms = resistanceArgument(s.m, "--parallel", o.parallel);
    d.supplyVolts = numberArgument(s.m, "--supply", o.supply);
    if (!o.vref.empty()) d.referenceVolts = numberArgument(s.m, "--vref", o.vref);
    if (!models::isValid(d)) throw UnreadableArgument(std::string(s.m.badDivider));
    return d;
}

struct AdcRange {
    models::TableRange range;
};

// The range, or none when a bound is refused (on `found`).
std::optional<AdcRange> rangeOf(const Session& s, const AdcOptions& o, Findings& found)
{
    const auto from = checkedCelsius(s.m, "--from", o.from.empty() ? "-40°C" : o.from, o.kelvin, found);
    const auto to = checkedCelsius(s.m, "--to", o.to.empty() ? "125°C" : o.to, o.kelvin, found);
    if (!from || !to) return std::nullopt;
    AdcRange r{{*from, *to, numberArgument(s.m, "--step", o.step)}};
    if (o.everyCount && !(r.range.fromCelsius <= r.range.toCelsius)) throw UnreadableArgument(std::string(s.m.noRange));
    if (!o.everyCount && models::tableRowCount(r.range) == 0) throw UnreadableArgument(std::string(s.m.noRange));
    return r;
}

// Temperatures in °C for a message: the first kShownTemperatures of them,
// "…" for the rest.
std::string celsiusList(const Messages& m, const std::vector<double>& celsius)
{
    constexpr std::size_t kShownTemperatures = 10;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < celsius.size() && i < kShownTemperatures; ++i)
        texts.push_back(models::decimalsText(celsius[i], 2));
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
    const double from = r.fromCelsius + calc::kCelsiusOffset, to = r.toCelsius + calc::kCelsiusOffset;
    if (chosen.fit && (from < chosen.fit->fromKelvin || to > chosen.fit->toKelvin))
        warn(format(m.beyondFit, {models::decimalsText(chosen.fit->fromKelvin - calc::kCelsiusOffset, 2),
                                  models::decimalsText(chosen.fit->toKelvin - calc::kCelsiusOffset, 2)}));
    else if (chosen.beta && !chosen.fit) {
        const double beyond = models::kelvinBeyondAnchors(*chosen.beta, from, to);
        if (beyond > models::kBetaReachKelvin) warn(format(m.betaReach, {models::decimalsText(beyond, 2)}));
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
        throw UnreadableArgument(namedProblem(s.m, "--name", name, s.m.notIdentifier));
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
        s.err << s.m.errorPrefix << s.m.noRows << '\n';
        return kExitComputationFailed;
    }
    warnAboutTable(s.m, table, chosen, r.range, found);
    if (o.format == "csv") {
        const SpreadsheetStyle style = spreadsheetStyle(o.model.sheet, s.m, {"temperature_c", "resistance_ohm"});
        s.out << models::adcTableCsv(table, {style.delimiter, style.decimalComma, o.fahrenheit});
        return kExitSuccess;
    }
    if (o.format == "marlin" && divider.bits != 10)
        throw UnreadableArgument(std::string(s.m.marlinBits));
    std::vector<std::string> comment =
        models::adcTableComment(chosen.description, divider, r.range, o.everyCount, table.rows.size());
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
    const auto chosen = chosenModel(s, o.model, o.kelvin, ModelUse::table, found);
    const auto range = rangeOf(s, o, found);
    const bool write = chosen && range && !failed(found);
    const int status = write ? writeAdcTable(s, o, *chosen, divider, *range, found) : kExitSuccess;
    writeFindings(s.err, s.m, found);
    return worseStatus(chosen ? status : kExitComputationFailed, exitStatus(found));
}

} // namespace

CommandSpec adcCommand(Session& session)
{
    const auto o = std::make_shared<AdcOptions>();
    const Messages& m = session.m;
    OptionSpec fullScale = textOption("--full-scale", m.fullScaleOption, "SCALE", o->fullScale);
    fullScale.choices = {"2^N", "2^N-1"};
    fullScale.ignoreCase = true;
    OptionSpec format = textOption("--format", m.adcFormatOption, "FORMAT", o->format);
    format.choices = {"csv", "c", "marlin"};
    OptionSpec cType = textOption("--c-type", m.cTypeOption, "TYPE", o->cType);
    cType.choices = {"x10", "x100", "int", "float"};
    CommandSpec spec{m.adcCommand,
                     {textOption("--pull-up", m.pullUpOption, "R", o->pullUp),
                      textOption("--pull-down", m.pullDownOption, "R", o->pullDown),
                      textOption("--bits", m.bitsOption, "N", o->bits), fullScale,
                      textOption("--series", m.seriesOption, "R", o->series),
                      textOption("--parallel", m.parallelOption, "R", o->parallel),
                      textOption("--supply", m.supplyOption, "V", o->supply),
                      textOption("--vref", m.vrefOption, "V", o->vref),
                      textOption("--from", m.fromOption, "T", o->from),
                      textOption("--to", m.toOption, "T", o->to), textOption("--step", m.stepOption, "K", o->step),
                      flagOption("--every-count", m.everyCountOption, o->everyCount), format,
                      textOption("--name", m.adcNameOption, "IDENT", o->name), cType,
                      flagOption("--fahrenheit", m.fahrenheitOption, o->fahrenheit), kelvinFlag(o->kelvin, m)},
                     [&session, o] { return adc(session, *o); }};
    addModelOptions(spec.options, o->model, m, SteinhartValues::threeOrFour);
    return spec;
}

} // namespace cli
