// ntc-beta: a model, a circuit and a table's range in the words a firmware table's header comment states them.
#include "models/model_text.h"

#include "calc/b_value.h"
#include "models/firmware_text.h"

#include <fmt/format.h>

#include <cmath>

#ifndef NTC_BETA_VERSION
#error "NTC_BETA_VERSION comes from project() through the build"
#endif

namespace models {

namespace {

std::string ohmsText(double ohms) { return roundedText(ohms, 6) + " ohm"; }

} // namespace

std::string_view programVersion() { return NTC_BETA_VERSION; }

std::string coefficientText(double value)
{
    std::string text = fmt::format("{:.14e}", value);
    const auto e = text.find('e');
    std::size_t cut = e;
    while (cut > 0 && text[cut - 1] == '0') --cut;
    if (cut > 0 && text[cut - 1] == '.') --cut;
    return text.erase(cut, e - cut);
}

std::string curveText(const SteinhartHart4& c, bool withD)
{
    return "A = " + coefficientText(c.a) + ", B = " + coefficientText(c.b) + ", C = " + coefficientText(c.c) +
           (withD ? ", D = " + coefficientText(c.d) + " (ln R)^2" : "");
}

std::string betaModelLine(const BetaReference& ref)
{
    const std::string b = ref.pairLowKelvin > 0 ? calc::betaName(ref.pairLowKelvin, ref.pairHighKelvin) : "B";
    return "Model: beta, R0 = " + ohmsText(ref.model.r0) + " at " +
           decimalsText(ref.model.t0Kelvin - calc::kCelsiusOffset, 2) + " degC, " + b + " = " +
           roundedText(ref.model.beta, 9) + " K";
}

std::string curveModelLine(const SteinhartHart4& curve, bool withD)
{
    return "Model: Steinhart-Hart, " + curveText(curve, withD);
}

std::string fitModelLine(std::string_view model, std::string_view source, std::size_t points, const TableFit& fit)
{
    return "Model: " + std::string(model) + " least-squares fit of " + std::string(source) + " (" +
           std::to_string(points) + " points, max error " + roundedText(fit.maxErrorKelvin, 3) +
           " K): " + curveText(fit.curve, fit.kind == FitKind::steinhart4);
}

std::string circuitLine(const Divider& d)
{
    std::string text = "Circuit: thermistor to ";
    text += d.side == ThermistorSide::low ? "ground, " + ohmsText(d.fixedOhms) + " pull-up to the supply"
                                          : "the supply, " + ohmsText(d.fixedOhms) + " pull-down to ground";
    if (d.seriesOhms > 0) text += ", " + ohmsText(d.seriesOhms) + " in series";
    if (!std::isinf(d.parallelOhms)) text += ", " + ohmsText(d.parallelOhms) + " across";
    const std::string power = "2^" + std::to_string(d.bits);
    const std::string scale = d.fullScale == FullScale::powerOfTwo ? power : "(" + power + " - 1)";
    text += "; " + std::to_string(d.bits) + "-bit ADC, code = V / Vref * " + scale + " rounded, ";
    if (d.referenceVolts > 0)
        return text + "Vref " + roundedText(d.referenceVolts, 6) + " V, supply " + roundedText(d.supplyVolts, 6) + " V";
    return text + "Vref = the supply (ratiometric)";
}

std::string rangeLine(const TableRange& r, TableRows rows, std::string_view boundText)
{
    const std::string placed = rows == TableRows::everyCount ? "one row per ADC code"
                               : rows == TableRows::withinError
                                   ? "rows at the ADC codes that keep interpolation within " + std::string(boundText) + " K"
                                   : "in steps of " + decimalsText(r.step, 6) + " K";
    return "Range: " + decimalsText(r.fromCelsius, 6) + " to " + decimalsText(r.toCelsius, 6) + " degC, " + placed;
}

std::string interpolationLine(double kelvin, std::uint32_t atCount, double atCelsius)
{
    return "Linear interpolation between rows, as stored, errs up to " + roundedText(kelvin, 3) + " K (at ADC code " +
           std::to_string(atCount) + ", " + decimalsText(atCelsius, 2) + " degC).";
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
