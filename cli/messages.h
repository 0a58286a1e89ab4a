// ntc-beta-cli: every text the program shows, in English and Simplified Chinese.
#pragma once

#include "cli/language.h"
#include "models/thermistor.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace cli {

// The texts of one language, UTF-8. Help texts are shown as they are; in the
// others each "{}" stands for an argument that format() puts in, in order.
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
    // A value and its name: "R1 '10x'" / "R1“10x”", then ": " / "：" before
    // what is wrong with it; a value cut short says how long it was.
    std::string_view namedValue, afterName, cutValue;
    // Reading and usage.
    std::string_view expectedResistance, expectedTemperature, expectedNumber, expectedFormat, beyondRange;
    std::string_view kiloOnTemperature, writeMarking, windowOrder;
    std::string_view betaNeedsValues, steinhartNeedsValues, temperatureNeedsValues, resistanceNeedsValues;
    std::string_view modelNeeded, noRange, runHelp, errorPrefix, warningPrefix;
    std::string_view commandNeeded, unknownCommand, unexpectedArguments, valueMissing, badOptionValue,
        unreadableCommandLine;
    // Values refused, and values warned about.
    std::string_view resistanceNotPositive, betaNotPositive, measuredBNotPositive, equalResistancesB, notFalling;
    std::string_view outsideUse, shBNotPositive, cNegative;
    // Files and CSV.
    std::string_view cannotOpen, isFolder, cannotReadNamed, cannotWrite, emptyInput, headerLacks, rowLacks;
    std::string_view strayQuote, extraFields, line, rowMessagesCut, rowsFailed, rowsWarned;
    std::string_view utf16, semicolons, tabs, gb18030, notUtf8, standardInputName;
    std::string_view atTemperature;
    // Before a console opened for the program alone closes.
    std::string_view pressAnyKey;
    // Why a computation stopped, indexed by models::ModelFailureKind.
    std::string_view failures[8];
};

const Messages& messages(Language language);

// `pattern` with each "{}" replaced by the next argument; a "{}" without an
// argument left stands as it is.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// `text` fit to be shown inside a message: cut to 40 characters with "…" and
// its whole length in bytes, invalid UTF-8 bytes and control characters
// written as \xNN, so a 50 MB cell or a GBK byte never reaches the terminal
// as it is.
std::string shownValue(const Messages& m, std::string_view text);

// "R1 '10x'" (English) or "R1“10x”" (Chinese), the text through shownValue.
std::string named(const Messages& m, std::string_view what, std::string_view text);

// named() with what is wrong with the value: "R1 '10x': expected ...".
std::string namedProblem(const Messages& m, std::string_view what, std::string_view text, std::string_view problem);

std::string_view failureText(const Messages& m, models::ModelFailureKind kind);

} // namespace cli
