// ntc-beta-cli: R/T tables read from spreadsheets' CSV (separator, decimal comma, column names, GB18030).
#include "cli/spreadsheet.h"

#include "cli/csv_reader.h"
#include "cli/readings.h"
#include "cli/text_encoding.h"
#include "models/quantity.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string lowerTrimmed(std::string text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back())) text.pop_back();
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

std::string wholeInput(Session& s, const std::string& name)
{
    if (name == "-") return std::string(std::istreambuf_iterator<char>(s.in), {});
    // The name arrives as UTF-8 on every system; a path made from char8_t
    // keeps it so on Windows too.
    std::ifstream file(std::filesystem::path(std::u8string(name.begin(), name.end())), std::ios::binary);
    if (!file) throw UnreadableArgument(format(s.m.cannotOpen, {shownValue(s.m, name)}));
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The text without its notes: '#' lines (and blank ones) before the header;
// `skipped` tells how many lines they took.
std::string withoutNotes(const std::string& text, std::size_t& skipped)
{
    std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (start < text.size() && (text[start] == '#' || text[start] == '\r' || text[start] == '\n')) {
        const std::size_t end = text.find('\n', start);
        start = end == std::string::npos ? text.size() : end + 1;
        ++skipped;
    }
    return text.substr(start);
}

std::size_t columnOf(const CsvRecord& header, const std::string& name, const FirmwareMessages& f)
{
    const auto at = std::find_if(header.fields.begin(), header.fields.end(),
                                 [&](const std::string& field) { return lowerTrimmed(field) == lowerTrimmed(name); });
    if (at == header.fields.end()) throw UnreadableArgument(std::string(f.headerLacks) + name);
    return std::size_t(at - header.fields.begin());
}

models::TablePoint pointOf(const CsvRecord& record, std::size_t tColumn, std::size_t rColumn,
                           const SpreadsheetStyle& style, const Messages& m, Findings& found)
{
    const std::string where = format(m.line, {std::to_string(record.line)});
    const auto cell = [&](std::size_t i, std::string_view column) {
        if (i >= record.fields.size())
            throw std::runtime_error(where + format(m.rowLacks, {column}));
        return withDecimalPoint(record.fields[i], style);
    };
    const std::string tName = style.column("temperature_c"), rName = style.column("resistance_ohm");
    const std::string t = cell(tColumn, tName);
    const std::string r = cell(rColumn, rName);
    Findings row;
    const auto temperature = checkedTemperature(m, tName, t, false, row);
    const auto ohms = temperature ? checkedResistance(m, rName, r, row) : std::nullopt;
    for (const Finding& finding : row) {
        if (finding.severity != Severity::warning) throw std::runtime_error(where + finding.text);
        found.push_back({finding.severity, where + finding.text});
    }
    return {kelvinOf(*temperature), *ohms};
}

} // namespace

void addSpreadsheetOptions(CLI::App& command, SpreadsheetOptions& options, bool reading, const FirmwareMessages& f)
{
    command.add_option("--delimiter", options.delimiter, std::string(f.delimiterOption))->type_name("C");
    command.add_flag("--decimal-comma", options.decimalComma, std::string(f.decimalCommaOption));
    if (!reading) return;
    command.add_option("--encoding", options.encoding, std::string(f.encodingOption))
        ->type_name("NAME")
        ->check(CLI::IsMember({"utf-8", "gb18030"}, CLI::ignore_case));
    command.add_option("--column", options.columns, std::string(f.columnOption))->type_name("NAME=HEADER");
}

std::string SpreadsheetStyle::column(std::string_view name) const
{
    const auto mapped = columns.find(name);
    return mapped == columns.end() ? std::string(name) : mapped->second;
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
    if (style.decimalComma) std::replace(text.begin() + std::ptrdiff_t(from), text.end(), '.', ',');
}

SpreadsheetStyle spreadsheetStyle(const SpreadsheetOptions& options, const Messages& m, const FirmwareMessages& f,
                                  std::initializer_list<std::string_view> columnNames)
{
    SpreadsheetStyle style;
    style.decimalComma = options.decimalComma;
    const std::string& d = options.delimiter;
    if (d.empty()) style.delimiter = options.decimalComma ? ';' : ',';
    else if (d == "," || d == ";") style.delimiter = d[0];
    else if (d == "tab" || d == "\t" || d == "\\t") style.delimiter = '\t';
    else throw UnreadableArgument(std::string(f.badDelimiter));
    if (style.decimalComma && style.delimiter == ',') throw UnreadableArgument(std::string(f.commaClash));
    style.gb18030 = lowerTrimmed(options.encoding) == "gb18030";
    for (const std::string& mapping : options.columns) {
        const auto equals = mapping.find('=');
        const std::string key = equals == std::string::npos ? "" : lowerTrimmed(mapping.substr(0, equals));
        const std::string header = equals == std::string::npos ? "" : mapping.substr(equals + 1);
        std::string names;
        for (std::string_view name : columnNames) names.append(names.empty() ? "" : ", ").append(name);
        if (header.empty() || std::find(columnNames.begin(), columnNames.end(), key) == columnNames.end())
            throw UnreadableArgument(namedProblem(m, "--column", mapping, format(f.badColumn, {names})));
        style.columns[key] = header;
    }
    return style;
}

std::vector<models::TablePoint> readRtTable(Session& s, const std::string& name, const SpreadsheetStyle& style,
                                            Findings& found)
{
    const FirmwareMessages& f = firmwareMessages(s.m);
    std::string text = wholeInput(s, name);
    if (style.gb18030) {
        auto utf8 = utf8FromGb18030(text);
        if (!utf8) throw UnreadableArgument(std::string(f.notGb18030));
        text = std::move(*utf8);
    }
    std::size_t notes = 0;
    std::istringstream in(withoutNotes(text, notes));
    CsvReader reader(in, style.delimiter);
    CsvRecord record;
    if (!reader.next(record)) throw UnreadableArgument(std::string(f.emptyTable));
    const std::size_t tColumn = columnOf(record, style.column("temperature_c"), f);
    const std::size_t rColumn = columnOf(record, style.column("resistance_ohm"), f);
    std::vector<models::TablePoint> points;
    while (reader.next(record)) {
        const bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                                       [](const std::string& field) { return lowerTrimmed(field).empty(); });
        record.line += notes;
        if (!blank) points.push_back(pointOf(record, tColumn, rColumn, style, s.m, found));
    }
    if (points.empty()) throw UnreadableArgument(std::string(f.emptyTable));
    return points;
}

} // namespace cli
