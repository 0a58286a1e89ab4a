// ntc-beta-cli: the texts of the firmware commands (adc, fit) and the spreadsheet options, in English and Simplified Chinese.
#pragma once

#include "cli/messages.h"

#include <string_view>

namespace cli {

struct FirmwareMessages {
    // Help.
    std::string_view adcCommand, fitCommand, fitFile, pullUpOption, pullDownOption, bitsOption, seriesOption,
        parallelOption, supplyOption, vrefOption, r0Option, t0Option, betaPairOption, steinhartOption, fitOption,
        modelOption, everyCountOption, formatOption, nameOption, cTypeOption, fahrenheitOption, delimiterOption,
        decimalCommaOption, encodingOption, columnOption;
    // Usage errors.
    std::string_view dividerNeeded, badDivider, modelNeeded, expectedPair, notIdentifier, badDelimiter,
        commaClash, badColumn, notGb18030, headerLacks, emptyTable, tooFewPoints, noRows, marlinBits;
    // Warnings, each followed by its figures.
    std::string_view mergedRows, railRows, betaReach, betaFitWorse, steinhartFitBetter, notMonotonic,
        beyondFit;
};

// The texts in the language of `m` (messages(Language::chinese) or not).
const FirmwareMessages& firmwareMessages(const Messages& m);

} // namespace cli
