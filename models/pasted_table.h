// ntc-beta: an R/T table as it is pasted from a spreadsheet or a datasheet PDF, or opened as a CSV file.
#pragma once

#include "models/quantity.h"
#include "models/table_fit.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace models {

// What separates the cells of a line.
enum class CellSeparator { tab, semicolon, comma, blanks };

// The decimal mark of cells written with a comma: found from the table, or
// as the reader is told.
enum class DecimalMark { automatic, point, comma };

// Why a row (by its line, from 1) could not be read.
enum class PastedProblemKind {
    missingCell,           // the row has no cell in the temperature or resistance column
    unreadableTemperature, // the cell is no temperature ("abc", "25k")
    unreadableResistance,  // the cell is no resistance
    belowAbsoluteZero,     // a temperature at or below 0 K
    resistanceNotPositive, // a resistance of 0 or less
    unitInScaledColumn,    // "10k" in a column whose header says kΩ: the cell's unit and the header's clash
    ambiguousComma,        // "10,000": a decimal comma or a thousands separator? (DecimalMark::automatic)
};

struct PastedProblem {
    PastedProblemKind kind = PastedProblemKind::missingCell;
    std::size_t line = 0;
    std::string cell; // the cell as written (empty for missingCell)
};

struct PastedTableOptions {
    DecimalMark decimalMark = DecimalMark::automatic;
    bool kelvin = false;         // temperatures without a unit (in a column that names none) are kelvin
    double resistanceFactor = 0; // above 0: plain resistances times this (1000: kΩ), whatever the header says
};

// The table as read: how its text was cut, which columns were taken, the
// rows' points (lines set) and the rows that could not be read.
struct PastedTable {
    CellSeparator separator = CellSeparator::comma;
    bool decimalComma = false;
    bool header = false;          // the first line named the columns
    bool columnsByPlace = false;  // no header cell named them: the first two columns, temperature first
    std::size_t temperatureColumn = 0, resistanceColumn = 1; // from 0
    std::string temperatureName, resistanceName;             // their header cells ("" without a header)
    TemperatureUnit unitless = TemperatureUnit::celsius;     // what a temperature without a unit is read as
    double resistanceFactor = 1;                             // what a plain resistance is multiplied by
    std::vector<TablePoint> points;
    std::vector<double> unitlessCelsius; // temperatures without a unit read as °C, for looksLikeKelvin
    std::vector<PastedProblem> problems; // in order of line
};

// Reads the text. Lines that are blank or start with '#' (notes) are
// skipped, a UTF-8 byte order mark dropped. The separator is a tab where
// any line holds one, else ';' where any line holds one, else ',' where the
// first row's first two cells read with it, else runs of blanks (a PDF's
// copied table). Where the separator is not ',', a comma in a number is its
// decimal mark; under DecimalMark::automatic a table whose every such comma
// stands before exactly three digits ("10,000", "195,652") is refused row by
// row as ambiguous rather than guessed, and a cell with both marks takes
// the last as the decimal mark ("1,234.5", "1.234,5"). Cells may be in
// double quotes. A first line none of whose cells is a number is the
// header: its columns are found by name and unit (models::columnUnit), or
// else taken by place with the header's units (models::headerUnit). Without
// a header the first column is the temperature and the second the
// resistance, unless the first row's cells carry the units the other way
// round. Cells take units ("25 °C", "298.15 K", "77 °F", "10 kΩ", "4.7k")
// as models::parseTemperature and parseResistance read them; a resistance
// column named in kΩ multiplies plain numbers by 1000 and refuses a cell
// with its own unit. Never throws.
PastedTable readPastedTable(std::string_view text, const PastedTableOptions& options = {});

} // namespace models
