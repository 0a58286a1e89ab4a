// ntc-beta-cli: B for every row of a CSV stream.
#pragma once

#include "cli/input/spreadsheet.h"
#include "cli/messages/messages.h"

#include <istream>
#include <ostream>
#include <string_view>

namespace cli {

// Copies the CSV text of `in` to `out` with two columns added, `b` (the
// full 15-digit value) and `b_name` ("B25/85"), after the header's last
// column, finding r1, t1, r2 and t2 by the header's names (any order and
// case, other columns kept as written). A row with fewer fields than the
// header gets empty cells up to the header's width; a row with more keeps
// them after b_name (with a warning when they are not empty), so b and
// b_name always stand in the header's columns. Temperatures without a unit
// are kelvin when `kelvin`, else °C.
// Each row is read and checked as `beta` reads its values (readings.h): a
// row that cannot be read or is refused gets both columns empty, a row with
// a warning gets them filled; either way a message with its line number
// goes to `err`, the first kRowMessages of them, then counts. `name` is the
// file's name as typed ("-" for standard input), for messages. A header that
// names no r1, t1, r2 or t2 is diagnosed: UTF-16, semicolons or tabs
// between columns, GB18030 or other text that is not UTF-8, each with how to
// convert the file. Output lines end as the header's line does.
// Gives the exit status: 0 when every row went through, 3 when every row was
// computed but some with a warning, 1 when a row failed or reading/writing
// failed, 2 when the input has no usable header. One record, one block of
// the input and one buffer of output in memory at a time.
inline constexpr std::size_t kRowMessages = 20;
// `style` gives the field separator (also of the columns added), the decimal
// comma (read in r1..t2, written in b) and the header names r1..t2 are
// mapped to; its encoding is the caller's to decode. Lines before the
// header that are notes ('#' or blank) are copied as they stand. A row read
// with a stray quote is written anew with its fields quoted as RFC 4180
// has them; every other row is copied byte for byte.
// `path`: rows of plain numbers go a quick way by default; allFullWay sends
// every row through the full reader, which gives the same output, so that a
// test can hold the two to one another.
enum class BatchPath { plainRowsFast, allFullWay };
int runCsvBatch(std::istream& in, std::string_view name, std::ostream& out, std::ostream& err, const Messages& m,
                bool kelvin, const SpreadsheetStyle& style = {}, BatchPath path = BatchPath::plainRowsFast);

} // namespace cli
