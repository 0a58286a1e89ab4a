// ntc-beta-cli: the divider options adc, pullup and budget share, and the circuit in words for a header comment.
#include "cli/commands/circuit_options.h"

#include "cli/input/arguments.h"
#include "cli/input/spreadsheet.h"
#include "models/firmware_text.h"
#include "models/model_text.h"

#include <cmath>

namespace cli {

void addCircuitOptions(std::vector<OptionSpec>& commandOptions, CircuitOptions& o, const Messages& m, FixedResistor fixed)
{
    if (fixed == FixedResistor::byValue) {
        commandOptions.push_back(textOption("--pull-up", m.pullUpOption, "R", o.pullUp));
        commandOptions.push_back(textOption("--pull-down", m.pullDownOption, "R", o.pullDown));
    } else {
        OptionSpec side = textOption("--side", m.sideOption, "SIDE", o.side);
        side.choices = {"up", "down"};
        commandOptions.push_back(side);
    }
    OptionSpec fullScale = textOption("--full-scale", m.fullScaleOption, "SCALE", o.fullScale);
    fullScale.choices = {"2^N", "2^N-1"};
    fullScale.ignoreCase = true;
    commandOptions.push_back(textOption("--bits", m.bitsOption, "N", o.bits));
    commandOptions.push_back(fullScale);
    commandOptions.push_back(textOption("--series", m.seriesOption, "R", o.series));
    commandOptions.push_back(textOption("--parallel", m.parallelOption, "R", o.parallel));
    commandOptions.push_back(textOption("--supply", m.supplyOption, "V", o.supply));
    commandOptions.push_back(textOption("--vref", m.vrefOption, "V", o.vref));
}

models::Divider dividerOf(const Messages& m, const CircuitOptions& o, FixedResistor fixed)
{
    const bool byValue = fixed == FixedResistor::byValue;
    if ((byValue && o.pullUp.empty() == o.pullDown.empty()) || o.bits.empty())
        throw UnreadableArgument(std::string(byValue ? m.dividerNeeded : m.bitsNeeded));
    models::Divider d;
    if (byValue) {
        d.side = o.pullUp.empty() ? models::ThermistorSide::high : models::ThermistorSide::low;
        d.fixedOhms = o.pullUp.empty() ? resistanceArgument(m, "--pull-down", o.pullDown)
                                       : resistanceArgument(m, "--pull-up", o.pullUp);
    } else {
        d.side = o.side == "down" ? models::ThermistorSide::high : models::ThermistorSide::low;
        d.fixedOhms = 1;
    }
    const double bits = numberArgument(m, "--bits", o.bits);
    d.bits = bits >= 1 && bits <= 16 && bits == int(bits) ? int(bits) : 0;
    const bool lessOne = lowerTrimmed(o.fullScale) == "2^n-1";
    d.fullScale = lessOne ? models::FullScale::powerOfTwoLessOne : models::FullScale::powerOfTwo;
    if (!o.series.empty()) d.seriesOhms = resistanceArgument(m, "--series", o.series);
    if (!o.parallel.empty()) d.parallelOhms = resistanceArgument(m, "--parallel", o.parallel);
    d.supplyVolts = numberArgument(m, "--supply", o.supply);
    if (!o.vref.empty()) d.referenceVolts = numberArgument(m, "--vref", o.vref);
    if (!models::isValid(d)) throw UnreadableArgument(std::string(m.badDivider));
    return d;
}

std::string circuitText(const models::Divider& d) { return models::circuitLine(d); }

} // namespace cli
