// ntc-beta-cli: the batch's quick reading of a row of plain numbers.
#include "cli/plain_row.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <system_error>

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

std::optional<double> plainNumber(std::string_view cell, char mark)
{
    // fast_float's fixed form is [-] digits [mark digits], or inf and nan.
    double value = 0.0;
    const char* end = cell.data() + cell.size();
    const auto read = fast_float::from_chars_advanced(cell.data(), end, value,
                                                      fast_float::parse_options(fast_float::chars_format::fixed, mark));
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) return std::nullopt;
    // A non-zero number so small it reads as 0 lies beyond the range too.
    if (value == 0.0 && cell.find_first_of("123456789") != std::string_view::npos) return std::nullopt;
    return value;
}

} // namespace cli
