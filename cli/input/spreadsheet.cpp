// ntc-beta-cli: how a spreadsheet's CSV is written (separator, decimal comma, column names, GB18030).
#include "cli/input/spreadsheet.h"

#include "calc/number_writing.h"

#include <algorithm>

namespace cli {

void addSpreadsheetOptions(std::vector<OptionSpec>& commandOptions, SpreadsheetOptions& options, const Messages& m,
                           std::string_view group)
{
    OptionSpec delimiter = textOption("--delimiter", m.delimiterOption, "C", options.delimiter);
    OptionSpec comma = flagOption("--decimal-comma", m.decimalCommaOption, options.decimalComma);
    OptionSpec encoding = textOption("--encoding", m.encodingOption, "NAME", options.encoding);
    encoding.choices = {"utf-8", "gb18030"};
    encoding.ignoreCase = true;
    OptionSpec columns = listOption("--column", m.columnOption, "NAME=HEADER", options.columns, 1, 1);
    columns.repeatable = true;
    for (OptionSpec* option : {&delimiter, &comma, &encoding, &columns}) {
        option->group = group;
        commandOptions.push_back(std::move(*option));
    }
}

std::string SpreadsheetStyle::column(std::string_view name) const
{
    const auto at = columns.find(name);
    return at == columns.end() ? std::string(name) : at->second;
}

bool SpreadsheetStyle::mapped(std::string_view name) const
{
    return columns.find(name) != columns.end();
}

std::string withDecimalPoint(std::string text, const SpreadsheetStyle& style)
{
    if (style.decimalComma) std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::string withDecimalMark(std::string text, const SpreadsheetStyle& style)
{
    useDecimalMark(text, 0, style);
    return text;
}

void useDecimalMark(std::string& text, std::size_t from, const SpreadsheetStyle& style)
{
    if (style.decimalComma) calc::useDecimalMark(text, ',', from);
}

SpreadsheetStyle spreadsheetStyle(const SpreadsheetOptions& options, const Messages& m,
                                  std::initializer_list<std::string_view> columnNames)
{
    SpreadsheetStyle style;
    style.decimalComma = options.decimalComma;
    const std::string& d = options.delimiter;
    if (d.empty()) style.delimiter = options.decimalComma ? ';' : ',';
    else if (d == "," || d == ";") style.delimiter = d[0];
    else if (d == "tab" || d == "\t" || d == "\\t") style.delimiter = '\t';
    else throw UnreadableArgument(std::string(m.badDelimiter));
    if (style.decimalComma && style.delimiter == ',') throw UnreadableArgument(std::string(m.commaClash));
    style.gb18030 = lowerTrimmed(options.encoding) == "gb18030";
    std::vector<std::string> names(columnNames.begin(), columnNames.end());
    for (const std::string& mapping : options.columns) {
        const auto equals = mapping.find('=');
        const std::string key = equals == std::string::npos ? "" : lowerTrimmed(mapping.substr(0, equals));
        const std::string header = equals == std::string::npos ? "" : mapping.substr(equals + 1);
        if (header.empty() || std::find(names.begin(), names.end(), key) == names.end())
            throw UnreadableArgument(namedProblem(m, "--column", mapping, format(m.badColumn, {joined(m, names)})));
        style.columns[key] = header;
    }
    return style;
}

} // namespace cli
