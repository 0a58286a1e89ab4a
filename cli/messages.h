// ntc-beta-cli: every text the program shows, in English and Simplified Chinese.
#pragma once

#include "calc/thermistor.h"
#include "cli/language.h"

#include <string>
#include <string_view>

namespace cli {

// The texts of one language, UTF-8. Help texts are shown as they are;
// the functions below put arguments into the messages.
struct Messages {
    // Help.
    std::string_view program, helpFlag, versionFlag, optionsGroup, commandsGroup;
    std::string_view usageLabel, optionsLabel, commandLabel, positionalsLabel, requiredLabel;
    std::string_view betaCommand, betaValues, csvOption, kelvinOption;
    std::string_view steinhartCommand, steinhartValues;
    std::string_view tableCommand, r25Option, betaOption, steinhartOption, fromOption, toOption, stepOption,
        formatOption;
    std::string_view temperatureCommand, temperatureValues, resistanceCommand, resistanceValues;
    std::string_view footer;
    // Reading and usage.
    std::string_view expectedResistance, expectedTemperature, expectedNumber, beyondRange;
    std::string_view betaNeedsValues, steinhartNeedsValues, modelNeeded, noRange, runHelp, errorPrefix;
    std::string_view cannotOpen, cannotWrite, cannotRead, emptyInput, headerLacks, rowLacks, openQuote, line,
        lineAfter, rowsFailed;
    std::string_view warningPrefix, cNotPositive, notFalling, atTemperature;
    // Before a console opened for the program alone closes.
    std::string_view pressAnyKey;
    // Why a computation stopped, indexed by calc::ModelFailureKind.
    std::string_view failures[8];
};

const Messages& messages(Language language);

// "R1 '10x': expected a resistance such as 10000, 10k, 4.7M or 680Ω", or
// "R1 '1e999': the number lies beyond the range of a double" when that is
// why the text could not be read.
std::string unreadable(const Messages& m, std::string_view what, std::string_view text, std::string_view expected);

std::string_view failureText(const Messages& m, calc::ModelFailureKind kind);

} // namespace cli
