// ntc-beta: a model, a circuit and a table's range in the words a firmware table's header comment states them.
#include "models/model_text.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"

#include <cmath>

#ifndef NTC_BETA_VERSION
#error "NTC_BETA_VERSION comes from project() through the build"
#endif

namespace models {

namespace {

// A resistor as the comments name it: six digits and the unit.
std::string ohmsWithUnit(double ohms) { return calc::roundedText(ohms, 6) + " ohm"; }

} // namespace

std::string_view programVersion() { return NTC_BETA_VERSION; }

std::string curveText(const SteinhartHart4& c, bool withD)
{
    return "A = " + calc::coefficientText(c.a) + ", B = " + calc::coefficientText(c.b) + ", C = " +
           calc::coefficientText(c.c) + (withD ? ", D = " + calc::coefficientText(c.d) + " (ln R)^2" : "");
}

std::string betaModelLine(const BetaReference& ref)
{
    const std::string b = ref.pairLowKelvin > 0 ? calc::betaName(ref.pairLowKelvin, ref.pairHighKelvin) : "B";
    return "Model: beta, R0 = " + ohmsWithUnit(ref.model.r0) + " at " +
           calc::decimalsText(ref.model.t0Kelvin - calc::kCelsiusOffset, 2) + " degC, " + b + " = " +
           calc::roundedText(ref.model.beta, 9) + " K";
}

std::string curveModelLine(const SteinhartHart4& curve, bool withD)
{
    return "Model: Steinhart-Hart, " + curveText(curve, withD);
}

std::string fitModelLine(std::string_view model, std::string_view source, std::size_t points, const TableFit& fit)
{
    return "Model: " + std::string(model) + " least-squares fit of " + std::string(source) + " (" +
           std::to_string(points) + " points, max error " + calc::roundedText(fit.maxErrorKelvin, 3) +
           " K): " + curveText(fit.curve, fit.kind == FitKind::steinhart4);
}

std::string circuitLine(const Divider& d)
{
    std::string text = "Circuit: thermistor to ";
    text += d.side == ThermistorSide::low ? "ground, " + ohmsWithUnit(d.fixedOhms) + " pull-up to the supply"
                                          : "the supply, " + ohmsWithUnit(d.fixedOhms) + " pull-down to ground";
    if (d.seriesOhms > 0) text += ", " + ohmsWithUnit(d.seriesOhms) + " in series";
    if (!std::isinf(d.parallelOhms)) text += ", " + ohmsWithUnit(d.parallelOhms) + " across";
    const std::string power = "2^" + std::to_string(d.bits);
    const std::string scale = d.fullScale == FullScale::powerOfTwo ? power : "(" + power + " - 1)";
    text += "; " + std::to_string(d.bits) + "-bit ADC, code = V / Vref * " + scale + " rounded, ";
    if (d.referenceVolts > 0)
        return text + "Vref " + calc::roundedText(d.referenceVolts, 6) + " V, supply " +
               calc::roundedText(d.supplyVolts, 6) + " V";
    return text + "Vref = the supply (ratiometric)";
}

std::string rangeLine(const TableRange& r, TableRows rows, std::string_view boundText)
{
    const std::string placed = rows == TableRows::everyCount ? "one row per ADC code"
                               : rows == TableRows::withinError
                                   ? "rows at the ADC codes that keep interpolation within " + std::string(boundText) + " K"
                                   : "in steps of " + calc::decimalsText(r.step, 6) + " K";
    return "Range: " + calc::decimalsText(r.fromCelsius, 6) + " to " + calc::decimalsText(r.toCelsius, 6) +
           " degC, " + placed;
}

std::string interpolationLine(double kelvin, std::uint32_t atCount, double atCelsius)
{
    return "Linear interpolation between rows, as stored, errs up to " + calc::roundedText(kelvin, 3) + " K (at ADC code " +
           std::to_string(atCount) + ", " + calc::decimalsText(atCelsius, 2) + " degC).";
}

std::vector<std::string> adcTableComment(std::string modelLine, const Divider& divider, std::string rangeText,
                                         std::size_t rows)
{
    return {"NTC thermistor ADC table, ntc-beta-cli " + std::string(programVersion()), std::move(modelLine),
            circuitLine(divider), std::move(rangeText) + ", " + std::to_string(rows) + " rows"};
}

std::vector<std::string> settingsComment(std::string modelLine, const Divider* divider)
{
    std::vector<std::string> lines{"NTC thermistor, ntc-beta-cli " + std::string(programVersion()), std::move(modelLine)};
    if (divider) lines.push_back(circuitLine(*divider));
    return lines;
}

} // namespace models
