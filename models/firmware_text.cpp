// ntc-beta: ADC and R/T tables written as firmware and spreadsheets take them.
#include "models/firmware_text.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <cmath>
#include <cstdint>
#include <limits>

namespace models {

namespace {

constexpr std::array<std::string_view, 61> kKeywords = {
    "auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else", "enum", "extern",
    "float", "for", "goto", "if", "inline", "int", "long", "register", "restrict", "return", "short", "signed",
    "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void", "volatile", "while", "bool",
    "true", "false", "class", "new", "delete", "template", "this", "namespace", "operator", "private",
    "protected", "public", "virtual", "try", "catch", "throw", "using", "typename", "friend", "explicit",
    "mutable", "constexpr", "nullptr", "alignas", "alignof", "static_assert"};

// A temperature at the storage scale, as the integer or float literal.
std::string temperatureCell(double celsius, TemperatureType type)
{
    if (type == TemperatureType::floating) {
        std::string text = calc::decimalsText(celsius, 2);
        if (text.find('.') == std::string::npos) text += ".0";
        return text + "f";
    }
    const double scale = type == TemperatureType::tenths ? 10 : type == TemperatureType::hundredths ? 100 : 1;
    const double scaled = std::round(celsius * scale);
    if (!(scaled >= std::numeric_limits<std::int16_t>::min() && scaled <= std::numeric_limits<std::int16_t>::max()))
        throw TableOverflow(calc::decimalsText(celsius, 2) + " degC does not fit int16_t at this scale");
    return std::to_string(static_cast<int>(scaled));
}

std::string temperatureField(std::string_view unit, TemperatureType type)
{
    const std::string name = std::string("temperature_") + std::string(unit);
    switch (type) {
    case TemperatureType::tenths: return "int16_t " + name + "_x10";
    case TemperatureType::hundredths: return "int16_t " + name + "_x100";
    case TemperatureType::whole: return "int16_t " + name;
    case TemperatureType::floating: return "float " + name;
    }
    return name;
}

std::string temperatureUnitText(std::string_view unit, TemperatureType type)
{
    const std::string deg = std::string("deg") + std::string(unit);
    switch (type) {
    case TemperatureType::tenths: return deg + " x 10";
    case TemperatureType::hundredths: return deg + " x 100";
    default: return deg;
    }
}

double fahrenheitOf(double celsius) { return celsius * 9 / 5 + 32; }

std::string commentBlock(const std::vector<std::string>& lines, std::string_view lead, std::string_view first,
                         std::string_view last)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text.append(i == 0 ? first : lead).append(lines[i]).append(i + 1 == lines.size() ? last : "").append("\n");
    return text;
}

// Rows of cells as `{ a, b, c },` lines with each column right-aligned.
std::string alignedRows(const std::vector<std::vector<std::string>>& cells)
{
    std::vector<std::size_t> widths;
    for (const auto& row : cells)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    std::string text;
    for (std::size_t r = 0; r < cells.size(); ++r) {
        text += "    { ";
        for (std::size_t c = 0; c < cells[r].size(); ++c)
            text.append(widths[c] - cells[r][c].size(), ' ').append(cells[r][c]).append(c + 1 < cells[r].size() ? ", " : "");
        text += r + 1 < cells.size() ? " },\n" : " }\n";
    }
    return text;
}

// The include guard of a header holding the array `identifier`:
// NTC_ADC_TABLE_H for ntc_adc_table. Leading underscores are dropped: a
// name that starts with one and a capital is the implementation's.
std::string guardOf(std::string_view identifier)
{
    while (identifier.starts_with('_')) identifier.remove_prefix(1);
    std::string guard = identifier.empty() ? "TABLE" : "";
    for (char c : identifier) guard += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    return guard + "_H";
}

std::string cArray(const CTableStyle& style, const std::vector<std::string>& fields,
                   const std::vector<std::vector<std::string>>& cells)
{
    const std::string guard = guardOf(style.identifier);
    std::string text = commentBlock(style.comment, " * ", "/* ", " */");
    text += "#ifndef " + guard + "\n#define " + guard + "\n\n";
    text += "#include <stdint.h>\n\nstruct " + style.identifier + "_row {\n";
    for (const std::string& field : fields) text += "    " + field + ";\n";
    text += "};\n\nstatic const struct " + style.identifier + "_row " + style.identifier + "[" +
            std::to_string(cells.size()) + "] = {\n";
    return text + alignedRows(cells) + "};\n\n#endif /* " + guard + " */\n";
}

} // namespace

std::string celsiusText(double kelvin) { return calc::decimalsText(kelvin - calc::kCelsiusOffset, 6); }

std::string ohmsText(double ohms) { return calc::roundedText(ohms, 9); }

bool isCIdentifier(std::string_view text)
{
    if (text.empty() || (text[0] >= '0' && text[0] <= '9')) return false;
    if (text[0] == '_' && text.size() > 1 && (text[1] == '_' || (text[1] >= 'A' && text[1] <= 'Z'))) return false;
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
    return plain && std::find(kKeywords.begin(), kKeywords.end(), text) == kKeywords.end();
}

std::string adcTableC(const AdcTable& table, const CTableStyle& style)
{
    std::vector<std::string> fields{"uint16_t adc", temperatureField("c", style.temperature)};
    if (style.fahrenheit) fields.push_back(temperatureField("f", style.temperature));
    std::vector<std::vector<std::string>> cells;
    for (const AdcRow& row : table.rows) {
        cells.push_back({std::to_string(row.count), temperatureCell(row.celsius, style.temperature)});
        if (style.fahrenheit) cells.back().push_back(temperatureCell(fahrenheitOf(row.celsius), style.temperature));
    }
    CTableStyle described = style;
    std::string columns = "Columns: ADC count, " + temperatureUnitText("C", style.temperature);
    if (style.fahrenheit) columns += ", " + temperatureUnitText("F", style.temperature);
    described.comment.push_back(columns + ". Rows in ascending order of ADC count, each count once:");
    described.comment.push_back("search by count and interpolate between neighbours.");
    return cArray(described, fields, cells);
}

std::string adcTableMarlin(const AdcTable& table, int bits, std::string_view identifier,
                           const std::vector<std::string>& comment)
{
    if (bits != 10) throw TableOverflow("Marlin's tables hold 10-bit counts (THERMISTOR_TABLE_ADC_RESOLUTION)");
    if (table.rows.size() > 255) throw TableOverflow("Marlin's tables hold at most 255 rows");
    // Marlin's own thermistor headers open with #pragma once.
    std::string text = commentBlock(comment, "// ", "// ", "") + "#pragma once\n\n";
    text += "constexpr temp_entry_t " + std::string(identifier) + "[] PROGMEM = {\n";
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::string celsius = temperatureCell(table.rows[i].celsius, TemperatureType::whole);
        fmt::format_to(std::back_inserter(text), FMT_COMPILE("  {{ OV({:4}), {:>3} }}{}\n"), table.rows[i].count, celsius,
                       i + 1 < table.rows.size() ? "," : "");
    }
    return text + "};\n";
}

std::string rtTableC(const std::vector<TableRow>& rows, const CTableStyle& style)
{
    std::vector<std::string> fields{temperatureField("c", style.temperature)};
    if (style.fahrenheit) fields.push_back(temperatureField("f", style.temperature));
    fields.push_back("uint32_t ohms");
    std::vector<std::vector<std::string>> cells;
    for (const TableRow& row : rows) {
        cells.push_back({temperatureCell(row.celsius, style.temperature)});
        if (style.fahrenheit) cells.back().push_back(temperatureCell(fahrenheitOf(row.celsius), style.temperature));
        const double ohms = std::round(row.ohms);
        if (!(ohms >= 0 && ohms <= std::numeric_limits<std::uint32_t>::max()))
            throw TableOverflow(calc::roundedText(row.ohms, 6) + " ohm does not fit uint32_t");
        cells.back().push_back(std::to_string(static_cast<std::uint32_t>(ohms)));
    }
    CTableStyle described = style;
    std::string columns = "Columns: " + temperatureUnitText("C", style.temperature);
    if (style.fahrenheit) columns += ", " + temperatureUnitText("F", style.temperature);
    described.comment.push_back(columns + ", resistance in whole ohms.");
    return cArray(described, fields, cells);
}

std::string adcTableCsv(const AdcTable& table, const CsvStyle& style)
{
    const std::string d(1, style.delimiter);
    std::string text = "adc" + d + "temperature_c" + d + (style.fahrenheit ? "temperature_f" + d : "") +
                       "resistance_ohm" + d + "voltage_v" + d + "resolution_c_per_count" +
                       (style.selfHeating ? d + "self_heating_k" : "") + "\n";
    const auto cell = [&](std::string value) {
        if (style.decimalComma) calc::useDecimalMark(value, ',');
        return value;
    };
    for (const AdcRow& row : table.rows) {
        text += std::to_string(row.count) + d + cell(calc::decimalsText(row.celsius, 6)) + d;
        if (style.fahrenheit) text += cell(calc::decimalsText(fahrenheitOf(row.celsius), 6)) + d;
        text += cell(calc::roundedText(row.ohms, 6)) + d + cell(calc::decimalsText(row.volts, 6)) + d +
                cell(calc::roundedText(row.celsiusPerCount, 4)) +
                (style.selfHeating ? d + cell(calc::roundedText(row.riseKelvin, 4)) : "") + "\n";
    }
    return text;
}

} // namespace models
