// ntc-beta-cli: every text the program shows, in English and Simplified Chinese, in one catalogue.
#pragma once

#include "cli/messages/language.h"
#include "models/thermistor.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The texts of one language, UTF-8 (messages_english.cpp,
// messages_chinese.cpp). Help texts are shown as they are, laid out to the
// terminal's width; in the others each "{}" stands for an argument that
// format() puts in, in order. Only string_views: allMessages() walks them.
struct Messages {
    // Help: the program, its groups and labels.
    std::string_view program, helpFlag, versionFlag, optionsGroup, commandsGroup, modelGroup, tableFileGroup;
    std::string_view usageLabel, optionsLabel, commandLabel, positionalsLabel, requiredLabel, footer, commandFooter;
    // Help: the commands and their own options.
    std::string_view betaCommand, betaValues, csvOption, kelvinOption;
    std::string_view steinhartCommand, steinhartValues;
    std::string_view tableCommand, fromOption, toOption, stepOption, tableFormatOption, tableNameOption;
    std::string_view temperatureCommand, temperatureValues, resistanceCommand, resistanceValues;
    std::string_view adcCommand, pullUpOption, pullDownOption, bitsOption, fullScaleOption, seriesOption,
        parallelOption, supplyOption, vrefOption, everyCountOption, adcFormatOption, adcNameOption, cTypeOption,
        fahrenheitOption;
    std::string_view fitCommand, fitFile, fitFromOption, fitToOption;
    // Help: the model options and the table file's.
    std::string_view r25Option, r0Option, t0Option, betaOption, betaPairOption, steinhartOption,
        steinhartOrFourOption, steinhart4Option, fitOption, modelOption;
    std::string_view delimiterOption, decimalCommaOption, encodingOption, columnOption;
    // A value and its name: "R1 '10x'" / "R1“10x”", then ": " / "：" before
    // what is wrong with it; a value cut short says how long it was; lists.
    std::string_view namedValue, quotedValue, afterName, cutValue, listSeparator;
    // Reading and usage.
    std::string_view expectedResistance, expectedTemperature, expectedNumber, expectedFormat, beyondRange;
    std::string_view kiloOnTemperature, writeMarking, windowOrder;
    std::string_view betaNeedsValues, steinhartNeedsValues, temperatureNeedsValues, resistanceNeedsValues;
    std::string_view modelNeeded, fourthCoefficient, r0WithFit, noRange, runHelp, errorPrefix, warningPrefix;
    std::string_view commandNeeded, unknownCommand, unexpectedArguments, valueMissing, badOptionValue,
        unreadableCommandLine;
    std::string_view dividerNeeded, badDivider, expectedPair, notIdentifier, badDelimiter, commaClash, badColumn,
        notGb18030, noRows, marlinBits;
    // Values refused, and values warned about.
    std::string_view resistanceNotPositive, betaNotPositive, measuredBNotPositive, equalResistancesB, notFalling;
    std::string_view outsideUse, shBNotPositive, cNegative, bOutsideNtc, readAsCelsius;
    // Files and CSV.
    std::string_view cannotOpen, isFolder, cannotReadNamed, cannotWrite, emptyInput, emptyTable, headerLacks,
        tableHeaderLacks, unknownColumnUnit, rowLacks, scaledCell;
    std::string_view strayQuote, extraFields, line, rowMessagesCut, rowsFailed, rowsWarned;
    std::string_view utf16, semicolons, tabs, gb18030, notUtf8, standardInputName;
    std::string_view atTemperature;
    // An R/T table's checks and its fit.
    std::string_view tableRowsRefused, tableRepeated, tableNotFalling, tableRising, tableTooFew, tableTooFewWithin, tableMoreFaults,
        tableOutlier, tableKelvin, fitBNotPositive, fitTurnsBack, notMonotonic, betaFitWorse, steinhartFitBetter;
    // An ADC table's warnings.
    std::string_view mergedRows, railRows, betaReach, beyondFit;
    // Choosing the fixed resistor, the error budget, table size, firmware formats and pictures.
    std::string_view pullupCommand, sideOption, eSeriesOption, lowestOption, highestOption;
    std::string_view budgetCommand, r25TolOption, betaTolOption, resistorTolOption, adcErrorOption, vrefTolOption,
        dissipationOption;
    std::string_view maxErrorOption, plotOption, fitFormatOption, steinhartFormatOption, firmwareNameOption;
    std::string_view bitsNeeded, vrefTolNeedsVref, percentNotNegative, dissipationNotPositive, notFirmwareName,
        noCandidates, maxErrorTooFine, maxErrorWithEveryCount, cannotWritePlot, notePrefix;
    std::string_view circuitToSupply, circuitSeries, circuitParallel, circuitReference;
    std::string_view standInStrays, klipperBetaFallback, interpolationNote, maxErrorRows, selfHeatingRise,
        budgetUnreadable, allOnRail;
    std::string_view plotTemperature, plotErrorKelvin, plotResolution, plotResistor, plotWorstResolution,
        fitPlotTitle, adcPlotTitle, pullupPlotTitle, budgetPlotTitle, plotWorst, plotRss, plotBest, plotRows;
    // Files dropped on the program's icon: each file's batch, then how else
    // to use the program (the "not a file" text follows the file's name).
    std::string_view droppedReading, droppedWroteTo, droppedNothingWritten, droppedNotAFile, droppedCannotCreate,
        droppedHowTo;
    // Before a console opened for the program alone closes.
    std::string_view pressAnyKey;
    // Why a computation stopped, indexed by models::ModelFailureKind.
    std::string_view failures[8];
};

const Messages& messages(Language language);

// Every text of the catalogue, in the order of the struct, so the two
// languages can be held to one another.
std::vector<std::string_view> allMessages(const Messages& m);

// `pattern` with each "{}" replaced by the next argument, through {fmt}:
// "{0}" and "{1}" take an argument by its place, "{{" and "}}" stand for
// braces. Throws std::runtime_error (fmt::format_error) for a pattern with
// more places than arguments; the catalogue's test rules that out.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// `text` fit to be shown inside a message: cut to 40 characters with "…" and
// its whole length in bytes, invalid UTF-8 bytes and control characters
// written as \xNN, so a 50 MB cell or a GBK byte never reaches the terminal
// as it is.
std::string shownValue(const Messages& m, std::string_view text);

// "R1 '10x'" (English) or "R1“10x”" (Chinese), the text through shownValue.
std::string named(const Messages& m, std::string_view what, std::string_view text);

// "'10x'" or "“10x”": the text through shownValue, in the language's quotes.
std::string quoted(const Messages& m, std::string_view text);

// named() with what is wrong with the value: "R1 '10x': expected ...".
std::string namedProblem(const Messages& m, std::string_view what, std::string_view text, std::string_view problem);

// The texts joined with the language's list separator (", " or "、").
std::string joined(const Messages& m, const std::vector<std::string>& texts);

std::string_view failureText(const Messages& m, models::ModelFailureKind kind);

} // namespace cli
