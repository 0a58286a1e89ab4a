// ntc-beta-cli: every text the program shows, in English and Simplified Chinese, in one catalogue.
#include "cli/messages/messages.h"

#include "cli/input/text_encoding.h"
#include "cli/messages/messages_catalogue.h"

#include <fmt/args.h>
#include <fmt/format.h>

#include <iterator>

namespace cli {

namespace {

// A value quoted in a message keeps its first characters only: enough to
// find it in the file, never a screenful.
constexpr std::size_t kShownCharacters = 40;

// Every text member, in the struct's order; the assertion below keeps the
// list whole when a message is added.
constexpr std::string_view Messages::*kMembers[] = {
    &Messages::program, &Messages::helpFlag, &Messages::versionFlag, &Messages::optionsGroup,
    &Messages::commandsGroup, &Messages::modelGroup, &Messages::tableFileGroup, &Messages::usageLabel,
    &Messages::optionsLabel, &Messages::commandLabel, &Messages::positionalsLabel, &Messages::requiredLabel,
    &Messages::footer, &Messages::commandFooter, &Messages::betaCommand, &Messages::betaValues, &Messages::csvOption,
    &Messages::kelvinOption, &Messages::steinhartCommand, &Messages::steinhartValues, &Messages::tableCommand,
    &Messages::fromOption, &Messages::toOption, &Messages::stepOption, &Messages::tableFormatOption,
    &Messages::tableNameOption, &Messages::temperatureCommand, &Messages::temperatureValues,
    &Messages::resistanceCommand, &Messages::resistanceValues, &Messages::adcCommand, &Messages::pullUpOption,
    &Messages::pullDownOption, &Messages::bitsOption, &Messages::fullScaleOption, &Messages::seriesOption,
    &Messages::parallelOption, &Messages::supplyOption, &Messages::vrefOption, &Messages::everyCountOption,
    &Messages::adcFormatOption, &Messages::adcNameOption, &Messages::cTypeOption, &Messages::fahrenheitOption,
    &Messages::fitCommand, &Messages::fitFile, &Messages::fitFromOption, &Messages::fitToOption, &Messages::r25Option,
    &Messages::r0Option, &Messages::t0Option, &Messages::betaOption, &Messages::betaPairOption,
    &Messages::steinhartOption, &Messages::steinhartOrFourOption, &Messages::steinhart4Option, &Messages::fitOption,
    &Messages::modelOption, &Messages::delimiterOption, &Messages::decimalCommaOption, &Messages::encodingOption,
    &Messages::columnOption, &Messages::namedValue, &Messages::quotedValue, &Messages::afterName, &Messages::cutValue,
    &Messages::listSeparator, &Messages::expectedResistance, &Messages::expectedTemperature,
    &Messages::expectedNumber, &Messages::expectedFormat, &Messages::beyondRange, &Messages::kiloOnTemperature,
    &Messages::writeMarking, &Messages::windowOrder, &Messages::betaNeedsValues, &Messages::steinhartNeedsValues,
    &Messages::temperatureNeedsValues, &Messages::resistanceNeedsValues, &Messages::modelNeeded,
    &Messages::fourthCoefficient, &Messages::r0WithFit, &Messages::noRange, &Messages::runHelp,
    &Messages::errorPrefix, &Messages::warningPrefix, &Messages::commandNeeded, &Messages::unknownCommand,
    &Messages::unexpectedArguments, &Messages::valueMissing, &Messages::badOptionValue,
    &Messages::unreadableCommandLine, &Messages::dividerNeeded, &Messages::badDivider, &Messages::expectedPair,
    &Messages::notIdentifier, &Messages::badDelimiter, &Messages::commaClash, &Messages::badColumn,
    &Messages::notGb18030, &Messages::noRows, &Messages::marlinBits, &Messages::resistanceNotPositive,
    &Messages::betaNotPositive, &Messages::measuredBNotPositive, &Messages::equalResistancesB, &Messages::notFalling,
    &Messages::outsideUse, &Messages::shBNotPositive, &Messages::cNegative, &Messages::bOutsideNtc,
    &Messages::readAsCelsius, &Messages::cannotOpen, &Messages::isFolder, &Messages::cannotReadNamed,
    &Messages::cannotWrite, &Messages::emptyInput, &Messages::emptyTable, &Messages::headerLacks,
    &Messages::tableHeaderLacks, &Messages::unknownColumnUnit, &Messages::rowLacks, &Messages::scaledCell,
    &Messages::strayQuote, &Messages::extraFields, &Messages::line, &Messages::rowMessagesCut, &Messages::rowsFailed,
    &Messages::rowsWarned, &Messages::utf16, &Messages::semicolons, &Messages::tabs, &Messages::gb18030,
    &Messages::notUtf8, &Messages::standardInputName, &Messages::atTemperature, &Messages::tableRowsRefused,
    &Messages::tableRepeated, &Messages::tableNotFalling, &Messages::tableRising, &Messages::tableTooFew,
    &Messages::tableTooFewWithin, &Messages::tableMoreFaults, &Messages::tableOutlier, &Messages::tableKelvin,
    &Messages::fitBNotPositive, &Messages::fitTurnsBack, &Messages::notMonotonic, &Messages::betaFitWorse,
    &Messages::steinhartFitBetter, &Messages::mergedRows, &Messages::railRows, &Messages::betaReach,
    &Messages::beyondFit,
    &Messages::pullupCommand,
    &Messages::sideOption,
    &Messages::eSeriesOption,
    &Messages::lowestOption,
    &Messages::highestOption,
    &Messages::budgetCommand,
    &Messages::r25TolOption,
    &Messages::betaTolOption,
    &Messages::resistorTolOption,
    &Messages::adcErrorOption,
    &Messages::vrefTolOption,
    &Messages::dissipationOption,
    &Messages::maxErrorOption,
    &Messages::plotOption,
    &Messages::fitFormatOption,
    &Messages::steinhartFormatOption,
    &Messages::firmwareNameOption,
    &Messages::bitsNeeded,
    &Messages::vrefTolNeedsVref,
    &Messages::percentNotNegative,
    &Messages::dissipationNotPositive,
    &Messages::notFirmwareName,
    &Messages::noCandidates,
    &Messages::maxErrorTooFine,
    &Messages::maxErrorWithEveryCount,
    &Messages::cannotWritePlot,
    &Messages::notePrefix,
    &Messages::circuitToSupply,
    &Messages::circuitSeries,
    &Messages::circuitParallel,
    &Messages::circuitReference,
    &Messages::standInStrays,
    &Messages::klipperBetaFallback,
    &Messages::interpolationNote,
    &Messages::maxErrorRows,
    &Messages::selfHeatingRise,
    &Messages::budgetUnreadable,
    &Messages::allOnRail,
    &Messages::plotTemperature,
    &Messages::plotErrorKelvin,
    &Messages::plotResolution,
    &Messages::plotResistor,
    &Messages::plotWorstResolution,
    &Messages::fitPlotTitle,
    &Messages::adcPlotTitle,
    &Messages::pullupPlotTitle,
    &Messages::budgetPlotTitle,
    &Messages::plotWorst,
    &Messages::plotRss,
    &Messages::plotBest,
    &Messages::plotRows,
    &Messages::droppedReading, &Messages::droppedWroteTo, &Messages::droppedNothingWritten,
    &Messages::droppedNotAFile, &Messages::droppedCannotCreate, &Messages::droppedHowTo, &Messages::pressAnyKey,
};
static_assert(sizeof(Messages) == std::size(kMembers) * sizeof(std::string_view) + sizeof(Messages::failures),
              "every message of Messages is listed in kMembers");

// A byte that is no UTF-8 or a control character, as \xNN.
std::string escaped(unsigned char byte)
{
    return fmt::format("\\x{:02X}", byte);
}

} // namespace

const Messages& messages(Language language)
{
    return language == Language::chinese ? catalogue::chinese : catalogue::english;
}

std::vector<std::string_view> allMessages(const Messages& m)
{
    std::vector<std::string_view> texts;
    for (const auto member : kMembers) texts.push_back(m.*member);
    texts.insert(texts.end(), std::begin(m.failures), std::end(m.failures));
    return texts;
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    fmt::dynamic_format_arg_store<fmt::format_context> store;
    for (std::string_view argument : arguments) store.push_back(argument);
    return fmt::vformat(pattern, store);
}

std::string shownValue(const Messages& m, std::string_view text)
{
    std::string shown;
    std::size_t i = 0;
    for (std::size_t characters = 0; i < text.size() && characters < kShownCharacters; ++characters) {
        const std::size_t length = utf8SequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            shown += escaped(byte);
            ++i;
        } else {
            shown.append(text.substr(i, length));
            i += length;
        }
    }
    if (i == text.size()) return shown;
    return format(m.cutValue, {shown, std::to_string(text.size())});
}

std::string named(const Messages& m, std::string_view what, std::string_view text)
{
    return format(m.namedValue, {what, shownValue(m, text)});
}

std::string quoted(const Messages& m, std::string_view text)
{
    return format(m.quotedValue, {shownValue(m, text)});
}

std::string namedProblem(const Messages& m, std::string_view what, std::string_view text, std::string_view problem)
{
    return named(m, what, text).append(m.afterName).append(problem);
}

std::string joined(const Messages& m, const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts) all.append(all.empty() ? "" : std::string(m.listSeparator)).append(text);
    return all;
}

std::string_view failureText(const Messages& m, models::ModelFailureKind kind)
{
    return m.failures[static_cast<int>(kind)];
}

} // namespace cli
