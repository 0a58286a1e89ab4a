// ntc-beta-cli: an R/T table read from a spreadsheet's CSV, under its own column names and units or datasheet-style ones.
#pragma once

#include "cli/input/spreadsheet.h"
#include "cli/messages/findings.h"
#include "models/column_header.h"
#include "models/quantity.h"
#include "models/table_fit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What a header cell says of its column (models/column_header.h).
using models::ColumnUnit;
using models::columnUnit;

// A table as read: its rows (line numbers set), the temperature column's
// header, and the temperatures written without a unit that were read as °C
// (for the check that they are no kelvin).
struct RtFile {
    std::vector<models::TablePoint> points;
    std::string temperatureColumn;
    std::vector<double> unitlessCelsius;
};

// Reads the table from the file named `name` ("-": standard input) through
// the input module: notes before the header, --column mappings, the
// header's units. Temperatures without a unit take the column's unit, or
// kelvin when `kelvin` (but in a °F column); resistances in a column named in
// kilohms are plain numbers times 1000 (a cell with a unit of its own there
// is refused, never read as ohms). Each row is checked as `beta` checks its
// readings; what each row gives goes to `found` with its line (the first
// kRowMessages rows' of them). std::nullopt when a row could not be read or
// was refused: no row is silently dropped. Throws UnreadableArgument for a
// file that cannot be opened or decoded, a table without rows, or a header
// without both columns (explained as the batch explains it).
std::optional<RtFile> readRtFile(Session& s, const std::string& name, const SpreadsheetStyle& style, bool kelvin,
                                 Findings& found);

} // namespace cli
