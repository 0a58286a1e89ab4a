// ntc-beta-cli: the batch's quick reading of a row of plain numbers.
#include "cli/plain_row.h"

namespace cli {

void splitCells(std::string_view text, char delimiter, std::vector<std::string_view>& cells)
{
    cells.clear();
    for (;;) {
        const std::size_t end = text.find(delimiter);
        if (end == std::string_view::npos) break;
        cells.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    cells.push_back(text);
}

} // namespace cli
