// ntc-beta-cli: the batch's quick reading of a row of plain numbers.
#pragma once

#include <string_view>
#include <vector>

namespace cli {

// The text of a line that holds no quote cut at each `delimiter` into
// `cells` (views into `text`; the vector keeps its capacity between rows).
// A line without a delimiter is one cell, an empty line one empty cell.
void splitCells(std::string_view text, char delimiter, std::vector<std::string_view>& cells);

// A cell that is a plain number is read by calc::plainNumber.

} // namespace cli
