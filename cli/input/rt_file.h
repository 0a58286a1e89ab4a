// ntc-beta-cli: an R/T table read from a spreadsheet's CSV, under its own column names and units or datasheet-style ones.
#pragma once

#include "cli/input/spreadsheet.h"
#include "cli/messages/findings.h"
#include "models/quantity.h"
#include "models/table_fit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// What a header cell says of its column: a temperature column and the unit
// its cells without one take, or a resistance column and the factor its
// plain numbers take (1000 for kilohms); `known` false when the cell names
// such a column with a unit this program does not read ("R(mV)").
struct ColumnUnit {
    bool temperature = false;
    models::TemperatureUnit unit = models::TemperatureUnit::unspecified;
    double factor = 1;
    bool known = true;
};

// The column a header cell names, read as datasheets write them: a name
// (temperature, temp, t, 温度; resistance, r, rt, rnom, 阻值, 电阻; any case)
// and a unit after '_', in parentheses or brackets, or after '/' (°C, C, ℃,
// K, F, °F; Ω, ohm, kΩ, kohm, k, MΩ): "temperature_c", "temperature_k",
// "T(°C)", "Temp [°C]", "resistance_kohm", "R(kΩ)", "R [Ohm]".
// std::nullopt for a cell that names neither.
std::optional<ColumnUnit> columnUnit(std::string_view cell);

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
