// ntc-beta-cli: the batch's quick reading of a row of plain numbers.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace cli {

// The text of a line that holds no quote cut at each `delimiter` into
// `cells` (views into `text`; the vector keeps its capacity between rows).
// A line without a delimiter is one cell, an empty line one empty cell.
void splitCells(std::string_view text, char delimiter, std::vector<std::string_view>& cells);

// The value of a cell that is a plain decimal number: digits with at most
// one decimal `mark` ('.' or ','), perhaps a '-' before them, no blank,
// exponent or unit, read to the nearest double as models::parseNumber reads it. std::nullopt for any
// other text, and for a number beyond a double's range: the caller then
// reads the cell the full way, which says what is wrong with it.
std::optional<double> plainNumber(std::string_view cell, char mark);

} // namespace cli
