// ntc-beta-cli: an R/T table read from a spreadsheet's CSV, under its own column names and units or datasheet-style ones.
#include "cli/input/rt_file.h"

#include "calc/number_reading.h"
#include "cli/commands/csv_batch.h"
#include "cli/input/plausibility.h"
#include "cli/input/readings.h"
#include "cli/input/table_input.h"
#include "cli/input/text_encoding.h"
#include "models/quantity.h"

#include <algorithm>

namespace cli {

namespace {

// How cells are read once the header is known.
struct Columns {
    std::size_t temperature = 0, resistance = 0;
    std::string temperatureName, resistanceName;
    models::TemperatureUnit unitless = models::TemperatureUnit::celsius;
    double factor = 1;
};

WantedColumn wantedColumn(const SpreadsheetStyle& style, std::string_view name, bool temperature)
{
    if (style.mapped(name)) {
        std::string header = style.column(name);
        return {std::string(name), [header](std::string_view cell) { return namesColumn(cell, header); }};
    }
    return {std::string(name), [name, temperature](std::string_view cell) {
                if (namesColumn(cell, name)) return true;
                const auto unit = columnUnit(cell);
                return unit && unit->temperature == temperature;
            }};
}

std::string lacksText(const Messages& m, const std::vector<std::string>& cells, std::string_view column)
{
    const bool temperature = column == "temperature_c";
    std::vector<std::string> shown;
    for (const std::string& cell : cells) shown.push_back(quoted(m, cell));
    return format(m.tableHeaderLacks, {column, temperature ? "T(°C), Temp [°C], temperature_k" : "R(kΩ), R [Ohm], resistance_kohm",
                                       joined(m, shown), column});
}

// The columns the header names, or UnreadableArgument saying why not.
Columns columnsOf(const Messages& m, const CsvRecord& header, const InputName& name, const SpreadsheetStyle& style,
                  bool kelvin)
{
    const std::vector<WantedColumn> wanted{wantedColumn(style, "temperature_c", true),
                                           wantedColumn(style, "resistance_ohm", false)};
    const HeaderPlan plan = planHeader(header.fields, wanted);
    if (plan.missing)
        throw UnreadableArgument(headerProblem(m, header, name, style.delimiter, wanted,
                                               lacksText(m, header.fields, wanted[*plan.missing].name)));
    Columns c{plan.index[0], plan.index[1], header.fields[plan.index[0]], header.fields[plan.index[1]]};
    const auto t = columnUnit(c.temperatureName), r = columnUnit(c.resistanceName);
    if (t && !t->known) throw UnreadableArgument(format(m.unknownColumnUnit, {quoted(m, c.temperatureName), "°C, K, °F"}));
    if (r && !r->known) throw UnreadableArgument(format(m.unknownColumnUnit, {quoted(m, c.resistanceName), "Ω, kΩ, MΩ"}));
    const auto unit = t && t->temperature ? t->unit : models::TemperatureUnit::unspecified;
    c.unitless = unit == models::TemperatureUnit::fahrenheit ? unit
                 : unit == models::TemperatureUnit::kelvin || kelvin ? models::TemperatureUnit::kelvin
                                                                      : models::TemperatureUnit::celsius;
    c.factor = r && !r->temperature ? r->factor : 1;
    return c;
}

// A resistance cell in a column whose unit scales its plain numbers.
std::optional<double> scaledOhms(const Messages& m, const Columns& c, std::string_view text, Findings& row)
{
    if (const auto number = calc::parseNumber(text)) {
        if (!checkResistance(m, c.resistanceName, text, *number * c.factor, row)) return std::nullopt;
        return *number * c.factor;
    }
    if (models::parseResistance(text))
        row.push_back({Severity::refused, namedProblem(m, c.resistanceName, text, format(m.scaledCell, {c.resistanceName}))});
    else
        row.push_back({Severity::refused, unreadableResistance(m, c.resistanceName, text)});
    return std::nullopt;
}

// One data row's point, or std::nullopt with why in `row`.
std::optional<models::TablePoint> pointOf(const Messages& m, const CsvRecord& record, const Columns& c,
                                          const SpreadsheetStyle& style, RtFile& file, Findings& row)
{
    for (const auto& [index, column] : {std::pair{c.temperature, &c.temperatureName}, {c.resistance, &c.resistanceName}})
        if (index >= record.fields.size()) {
            row.push_back({Severity::refused, format(m.rowLacks, {*column})});
            return std::nullopt;
        }
    const std::string t = withDecimalPoint(record.fields[c.temperature], style);
    const std::string r = withDecimalPoint(record.fields[c.resistance], style);
    const auto temperature = checkedTemperature(m, c.temperatureName, t, c.unitless, row);
    std::optional<double> ohms;
    if (c.factor == 1) ohms = checkedResistance(m, c.resistanceName, r, row);
    else ohms = scaledOhms(m, c, r, row);
    if (!temperature || !ohms) return std::nullopt;
    const auto read = models::parseTemperature(t);
    if (read && read->unit == models::TemperatureUnit::unspecified && c.unitless == models::TemperatureUnit::celsius)
        file.unitlessCelsius.push_back(read->value);
    return models::TablePoint{kelvinOf(*temperature), *ohms, record.line};
}

// What the rows gave so far: each row's findings go to `found` with its
// line, the first kRowMessages rows' of them; a refused row after those is
// counted, and named by the first line.
struct RowTally {
    bool refused = false, encodingNoted = false;
    std::size_t rowsNamed = 0, unnamedRefused = 0, firstUnnamed = 0;

    void report(const Messages& m, std::size_t line, const Findings& row, Findings& found)
    {
        refused = refused || failed(row);
        if (row.empty()) return;
        if (rowsNamed++ == kRowMessages) found.push_back({Severity::warning, std::string(m.rowMessagesCut)});
        if (rowsNamed > kRowMessages) {
            if (failed(row) && unnamedRefused++ == 0) firstUnnamed = line;
            return;
        }
        // A cell that cannot be read refuses its table as a refused value
        // does: the file, not the command line, is at fault.
        const std::string where = format(m.line, {std::to_string(line)});
        for (const Finding& finding : row)
            found.push_back({finding.severity == Severity::unreadable ? Severity::refused : finding.severity,
                             where + finding.text});
    }

    void finish(const Messages& m, Findings& found) const
    {
        if (unnamedRefused > 0)
            found.push_back({Severity::refused, format(m.tableRowsRefused, {std::to_string(unnamedRefused),
                                                                             std::to_string(firstUnnamed)})});
    }
};

} // namespace

std::optional<RtFile> readRtFile(Session& s, const std::string& name, const SpreadsheetStyle& style, bool kelvin,
                                 Findings& found)
{
    const Messages& m = s.m;
    InputFile input(s, name, style.gb18030);
    CsvReader reader(input.stream(), style.delimiter);
    CsvRecord record;
    if (!readHeader(reader, record)) {
        if (reader.failed()) throw UnreadableArgument(format(m.cannotReadNamed, {input.name().shown}));
        throw UnreadableArgument(std::string(m.emptyTable));
    }
    const Columns columns = columnsOf(m, record, input.name(), style, kelvin);
    reader.expectRows(record.fields.size());
    RtFile file;
    file.temperatureColumn = columns.temperatureName;
    RowTally tally;
    while (reader.next(record)) {
        if (std::all_of(record.fields.begin(), record.fields.end(),
                        [](const std::string& field) { return lowerTrimmed(field).empty(); }))
            continue;
        if (!tally.encodingNoted && !isUtf8(record.raw)) {
            tally.encodingNoted = true;
            // Worth a word even where the cells read (the bytes may stand in
            // a note column); a cell they spoil is refused on its own.
            found.push_back({Severity::warning, encodingAdvice(m, record.line, record.raw, input.name())});
        }
        Findings row;
        if (const auto point = pointOf(m, record, columns, style, file, row)) file.points.push_back(*point);
        tally.report(m, record.line, row, found);
    }
    tally.finish(m, found);
    if (reader.failed()) throw UnreadableArgument(format(m.cannotReadNamed, {input.name().shown}));
    if (file.points.empty() && !tally.refused) throw UnreadableArgument(std::string(m.emptyTable));
    if (tally.refused) return std::nullopt;
    return file;
}

} // namespace cli
