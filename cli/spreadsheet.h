// ntc-beta-cli: R/T tables read from spreadsheets' CSV (separator, decimal comma, column names, GB18030).
#pragma once

#include "cli/command.h"
#include "cli/findings.h"
#include "cli/firmware_messages.h"
#include "models/table_fit.h"

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace cli {

// The spreadsheet options as typed.
struct SpreadsheetOptions {
    std::string delimiter;
    bool decimalComma = false;
    std::string encoding = "utf-8";
    std::vector<std::string> columns;
};

// Adds --delimiter, --decimal-comma, and, when `reading`, --encoding and
// --column, bound to `options`, which must outlive `command`.
void addSpreadsheetOptions(CLI::App& command, SpreadsheetOptions& options, bool reading, const FirmwareMessages& f);

// The options read: the field separator (',' unless given; ';' with the
// decimal comma), the decimal mark, the encoding, and the header names
// mapped to the columns the command reads.
struct SpreadsheetStyle {
    char delimiter = ',';
    bool decimalComma = false;
    bool gb18030 = false;
    std::map<std::string, std::string, std::less<>> columns; // a column's name -> its header in the file

    // The header that holds the column named `name`: the mapped one or `name`.
    std::string column(std::string_view name) const;
};

// `columnNames` are the columns the command reads ("temperature_c",
// "resistance_ohm"; "r1", "t1", "r2", "t2"), the ones --column may map.
// Throws UnreadableArgument for a separator, encoding or column mapping it
// cannot take, or a decimal comma with ',' between fields.
SpreadsheetStyle spreadsheetStyle(const SpreadsheetOptions& options, const Messages& m, const FirmwareMessages& f,
                                  std::initializer_list<std::string_view> columnNames);

// A number written with the decimal comma read as the program reads numbers
// ("4,7k" -> "4.7k"), when `style` has it.
std::string withDecimalPoint(std::string text, const SpreadsheetStyle& style);

// A number's text written as `style` has it ("3415.6" -> "3415,6").
std::string withDecimalMark(std::string text, const SpreadsheetStyle& style);
// The same for the number that ends `text`, from `from` on, in place.
void useDecimalMark(std::string& text, std::size_t from, const SpreadsheetStyle& style);

// The table's rows in order: temperature in °C (a unit in the cell is
// allowed: 25, 25°C, 298.15K, 77°F) and resistance ("10k", "195.652k",
// "680Ω"), read from the file named `name` ("-": standard input). Lines
// before the header that start with '#' are notes; a UTF-8 byte order mark
// is skipped. Each value is checked as `beta` checks its readings: a
// warning (a temperature outside the range thermistors are used at) goes to
// `found` with its line. Throws UnreadableArgument for a file that cannot be
// opened or decoded, or a header without the two columns;
// std::runtime_error naming the line for a row that cannot be read or whose
// value is refused (R <= 0, T <= 0 K): no row is silently dropped.
std::vector<models::TablePoint> readRtTable(Session& s, const std::string& name, const SpreadsheetStyle& style,
                                            Findings& found);

} // namespace cli
