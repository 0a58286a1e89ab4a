// ntc-beta-cli: how a spreadsheet's CSV is written (separator, decimal comma, column names, GB18030).
#pragma once

#include "cli/commands/command.h"
#include "models/column_header.h"

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The spreadsheet options as typed.
struct SpreadsheetOptions {
    std::string delimiter;
    bool decimalComma = false;
    std::string encoding = "utf-8";
    std::vector<std::string> columns;
};

// --delimiter, --decimal-comma, --encoding and --column bound to `options`
// (which must outlive the command), under the help's `group`.
void addSpreadsheetOptions(std::vector<OptionSpec>& commandOptions, SpreadsheetOptions& options, const Messages& m,
                           std::string_view group = {});

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
    // Whether --column maps the column named `name`.
    bool mapped(std::string_view name) const;
};

// `columnNames` are the columns the command reads ("temperature_c",
// "resistance_ohm"; "r1", "t1", "r2", "t2"), the ones --column may map.
// Throws UnreadableArgument for a separator, encoding or column mapping it
// cannot take, or a decimal comma with ',' between fields.
SpreadsheetStyle spreadsheetStyle(const SpreadsheetOptions& options, const Messages& m,
                                  std::initializer_list<std::string_view> columnNames);

// A number written with the decimal comma read as the program reads numbers
// ("4,7k" -> "4.7k"), when `style` has it.
std::string withDecimalPoint(std::string text, const SpreadsheetStyle& style);

// A number's text written as `style` has it ("3415.6" -> "3415,6").
std::string withDecimalMark(std::string text, const SpreadsheetStyle& style);
// The same for the number that ends `text`, from `from` on, in place.
void useDecimalMark(std::string& text, std::size_t from, const SpreadsheetStyle& style);

// How header names are compared (models/column_header.h).
using models::lowerTrimmed;

} // namespace cli
