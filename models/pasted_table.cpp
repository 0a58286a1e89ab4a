// ntc-beta: an R/T table as it is pasted from a spreadsheet or a datasheet PDF, or opened as a CSV file.
#include "models/pasted_table.h"

#include "calc/number_reading.h"
#include "models/column_header.h"
#include "models/thermistor.h"

#include <algorithm>
#include <optional>

namespace models {

namespace {

struct Line {
    std::string_view text;
    std::size_t number = 0;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The lines that hold cells: not blank, not a note.
std::vector<Line> contentLines(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<Line> lines;
    std::size_t number = 0;
    while (!text.empty() || number == 0) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        ++number;
        if (const auto content = trimmed(line); !content.empty() && content.front() != '#')
            lines.push_back({line, number});
        if (end == std::string_view::npos) break;
        // CR LF is one line end; a lone CR (old Mac) or LF is one too.
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

bool hasDigit(std::string_view text) { return text.find_first_of("0123456789") != text.npos; }

// Words apart by blanks, as a PDF's table is copied; a unit written apart
// from its number ("10.0 kΩ", "25 °C") or from its name ("T [°C]") joins
// the word before it.
std::vector<std::string> blankSeparatedCells(std::string_view line)
{
    std::vector<std::string> cells;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at])) ++at;
        if (at == line.size()) return cells;
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        const std::string_view word = line.substr(at, end - at);
        const bool unit = word.front() == '(' || word.front() == '[' || (!hasDigit(word) && word != "-");
        if (!cells.empty() && unit && (word.front() == '(' || word.front() == '[' || hasDigit(cells.back())))
            cells.back().append(" ").append(word);
        else
            cells.emplace_back(word);
        at = end;
    }
}

// The cells of a line: apart by the separator (a run of blanks for
// CellSeparator::blanks), in double quotes where a cell starts with one.
std::vector<std::string> cellsOf(std::string_view line, CellSeparator separator)
{
    std::vector<std::string> cells;
    if (separator == CellSeparator::blanks) return blankSeparatedCells(line);
    const char mark = separator == CellSeparator::tab ? '\t' : separator == CellSeparator::semicolon ? ';' : ',';
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            // A doubled quote inside quotes is one quote.
            if (c != '"') cell += c;
            else if (i + 1 < line.size() && line[i + 1] == '"') cell += line[++i];
            else quoted = false;
        } else if (c == '"' && trimmed(cell).empty()) {
            quoted = true;
            cell.clear();
        } else if (c == mark) {
            cells.emplace_back(trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.emplace_back(trimmed(cell));
    return cells;
}

bool readsAsQuantity(std::string_view cell)
{
    return parseTemperature(cell).has_value() || parseResistance(cell).has_value();
}

CellSeparator separatorOf(const std::vector<Line>& lines)
{
    const auto any = [&](char c) {
        return std::any_of(lines.begin(), lines.end(), [c](const Line& l) { return l.text.find(c) != l.text.npos; });
    };
    if (any('\t')) return CellSeparator::tab;
    if (any(';')) return CellSeparator::semicolon;
    // The first line that is no header decides between commas and blanks.
    for (const Line& line : lines) {
        const auto cells = cellsOf(line.text, CellSeparator::comma);
        if (std::none_of(cells.begin(), cells.end(), readsAsQuantity)) continue;
        return cells.size() >= 2 && readsAsQuantity(cells[0]) && readsAsQuantity(cells[1]) ? CellSeparator::comma
                                                                                            : CellSeparator::blanks;
    }
    return any(',') ? CellSeparator::comma : CellSeparator::blanks;
}

// Whether every comma of the number stands before three digits and a
// group's end: "10,000", "1,234,567", "195,652 kΩ".
bool looksGrouped(std::string_view cell)
{
    bool any = false;
    for (std::size_t at = cell.find(','); at != cell.npos; at = cell.find(',', at + 1)) {
        any = true;
        const auto digit = [&](std::size_t i) { return i < cell.size() && cell[i] >= '0' && cell[i] <= '9'; };
        if (!digit(at + 1) || !digit(at + 2) || !digit(at + 3) || digit(at + 4)) return false;
    }
    return any;
}

// The cell with a period as its decimal mark, under the table's mark.
std::string withDecimalPoint(std::string cell, bool decimalComma)
{
    const std::size_t comma = cell.rfind(','), point = cell.rfind('.');
    if (comma != cell.npos && point != cell.npos) {
        // Both marks: the last is the decimal mark, the other groups digits.
        const char group = comma < point ? ',' : '.';
        std::erase(cell, group);
        std::replace(cell.begin(), cell.end(), ',', '.');
        return cell;
    }
    if (decimalComma) std::replace(cell.begin(), cell.end(), ',', '.');
    return cell;
}

struct Reading {
    std::vector<Line> lines;
    std::vector<std::vector<std::string>> rows; // the cells of each content line
    PastedTable table;
};

// The decimal mark, where the separator leaves commas to the numbers.
void chooseDecimalMark(Reading& r, const PastedTableOptions& options)
{
    r.table.decimalComma = r.table.separator != CellSeparator::comma && options.decimalMark != DecimalMark::point;
}

bool isHeader(const std::vector<std::string>& cells)
{
    return std::none_of(cells.begin(), cells.end(), [](const std::string& cell) {
        return readsAsQuantity(withDecimalPoint(cell, true)) || readsAsQuantity(cell);
    });
}

// Columns named by the header, or by place with the header's units.
void columnsFromHeader(PastedTable& t, const std::vector<std::string>& header)
{
    std::optional<std::size_t> temperature, resistance;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto unit = columnUnit(header[i]);
        if (!unit) continue;
        if (unit->temperature && !temperature) temperature = i;
        if (!unit->temperature && !resistance) resistance = i;
    }
    t.columnsByPlace = !temperature || !resistance || header.size() < 2;
    t.temperatureColumn = t.columnsByPlace ? 0 : *temperature;
    t.resistanceColumn = t.columnsByPlace ? 1 : *resistance;
    if (t.temperatureColumn < header.size()) t.temperatureName = header[t.temperatureColumn];
    if (t.resistanceColumn < header.size()) t.resistanceName = header[t.resistanceColumn];
}

// Without a header: temperature first, unless the first row's units say
// the resistance is.
void columnsByPlace(PastedTable& t, const std::vector<std::string>& first)
{
    t.columnsByPlace = true;
    if (first.size() < 2) return;
    const auto plain = [](const std::string& cell) { return calc::parseNumber(cell).has_value(); };
    const bool swapped = !plain(first[0]) && !plain(first[1]) && parseResistance(first[0]) && !parseResistance(first[1]) &&
                         parseTemperature(first[1]);
    if (swapped) std::swap(t.temperatureColumn, t.resistanceColumn);
}

void chooseUnits(PastedTable& t, const PastedTableOptions& options)
{
    const ColumnUnit tUnit = headerUnit(t.temperatureName, true);
    const ColumnUnit rUnit = headerUnit(t.resistanceName, false);
    const TemperatureUnit named = tUnit.known ? tUnit.unit : TemperatureUnit::unspecified;
    t.unitless = named == TemperatureUnit::fahrenheit ? named
                 : named == TemperatureUnit::kelvin || options.kelvin ? TemperatureUnit::kelvin
                                                                     : TemperatureUnit::celsius;
    t.resistanceFactor = options.resistanceFactor > 0 ? options.resistanceFactor : rUnit.known ? rUnit.factor : 1;
}

std::optional<double> kelvinOfCell(PastedTable& t, const std::string& cell, std::size_t line)
{
    const auto read = parseTemperature(cell);
    if (!read) {
        t.problems.push_back({PastedProblemKind::unreadableTemperature, line, cell});
        return std::nullopt;
    }
    const TemperatureUnit unit = read->unit == TemperatureUnit::unspecified ? t.unitless : read->unit;
    try {
        const double celsius = unit == TemperatureUnit::fahrenheit ? fahrenheitToCelsius(read->value) : read->value;
        const double kelvin = toKelvin(celsius, unit != TemperatureUnit::kelvin);
        if (!(kelvin > 0)) throw ModelFailure(ModelFailureKind::belowAbsoluteZero);
        if (read->unit == TemperatureUnit::unspecified && unit == TemperatureUnit::celsius)
            t.unitlessCelsius.push_back(read->value);
        return kelvin;
    } catch (const std::exception&) {
        t.problems.push_back({PastedProblemKind::belowAbsoluteZero, line, cell});
        return std::nullopt;
    }
}

std::optional<double> ohmsOfCell(PastedTable& t, const std::string& cell, std::size_t line)
{
    std::optional<double> ohms;
    if (t.resistanceFactor != 1) {
        if (const auto number = calc::parseNumber(cell)) ohms = *number * t.resistanceFactor;
        else if (parseResistance(cell)) t.problems.push_back({PastedProblemKind::unitInScaledColumn, line, cell});
    } else {
        ohms = parseResistance(cell);
    }
    if (!ohms) {
        if (t.problems.empty() || t.problems.back().line != line || t.problems.back().cell != cell)
            t.problems.push_back({PastedProblemKind::unreadableResistance, line, cell});
        return std::nullopt;
    }
    if (!(*ohms > 0)) {
        t.problems.push_back({PastedProblemKind::resistanceNotPositive, line, cell});
        return std::nullopt;
    }
    return ohms;
}

void readRow(PastedTable& t, const std::vector<std::string>& cells, std::size_t line, DecimalMark mark)
{
    if (std::max(t.temperatureColumn, t.resistanceColumn) >= cells.size()) {
        t.problems.push_back({PastedProblemKind::missingCell, line, {}});
        return;
    }
    const std::string& tCell = cells[t.temperatureColumn];
    const std::string& rCell = cells[t.resistanceColumn];
    for (const std::string* cell : {&tCell, &rCell}) {
        const bool oneMark = cell->find('.') == cell->npos;
        if (t.decimalComma && mark == DecimalMark::automatic && oneMark && looksGrouped(*cell)) {
            t.problems.push_back({PastedProblemKind::ambiguousComma, line, *cell});
            return;
        }
    }
    const auto kelvin = kelvinOfCell(t, withDecimalPoint(tCell, t.decimalComma), line);
    const auto ohms = ohmsOfCell(t, withDecimalPoint(rCell, t.decimalComma), line);
    if (kelvin && ohms) t.points.push_back({*kelvin, *ohms, line});
}

} // namespace

PastedTable readPastedTable(std::string_view text, const PastedTableOptions& options)
{
    Reading r;
    r.lines = contentLines(text);
    r.table.separator = separatorOf(r.lines);
    chooseDecimalMark(r, options);
    for (const Line& line : r.lines) r.rows.push_back(cellsOf(line.text, r.table.separator));
    std::size_t first = 0;
    if (!r.rows.empty() && isHeader(r.rows[0])) {
        r.table.header = true;
        columnsFromHeader(r.table, r.rows[0]);
        first = 1;
    } else if (!r.rows.empty()) {
        columnsByPlace(r.table, r.rows[0]);
    }
    chooseUnits(r.table, options);
    // A table that writes some comma as no group of three uses the decimal
    // comma throughout: its "10,000" is ten.
    DecimalMark mark = options.decimalMark;
    if (mark == DecimalMark::automatic && r.table.decimalComma) {
        for (std::size_t i = first; i < r.rows.size(); ++i)
            for (const std::string& cell : r.rows[i])
                if (cell.find(',') != cell.npos && cell.find('.') == cell.npos && !looksGrouped(cell))
                    mark = DecimalMark::comma;
    }
    for (std::size_t i = first; i < r.rows.size(); ++i) readRow(r.table, r.rows[i], r.lines[i].number, mark);
    return std::move(r.table);
}

} // namespace models
