// ntc-beta-cli: B for every row of a CSV stream.
#pragma once

#include "cli/messages.h"

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One record of a CSV text (RFC 4180: fields apart by commas, a field in
// double quotes may hold commas, line ends and doubled quotes).
struct CsvRecord {
    std::string raw;                 // the record as read, without its line end
    std::vector<std::string> fields; // unquoted; `fields` keeps its capacity between records
    std::size_t line = 0;            // the line it starts on, from 1
    bool crlf = false;               // its line end was CR LF
    bool unclosedQuote = false;      // the text ended inside a quoted field
};

// Reads records one at a time, holding one record in memory.
class CsvReader {
public:
    // `delimiter` separates fields: ',' or, from spreadsheets, ';' or a tab.
    explicit CsvReader(std::istream& in, char delimiter = ',') : in_(in), delimiter_(delimiter) {}
    // The next record, false at the end of the text (or when reading fails:
    // see failed()).
    bool next(CsvRecord& record);
    bool failed() const { return in_.bad(); }

private:
    std::istream& in_;
    char delimiter_;
    std::string physical_;
    std::size_t line_ = 0;
};

// Copies the CSV text of `in` to `out` with two columns added, `b` (the
// full 15-digit value) and `b_name` ("B25/85"), after the header's r1, t1,
// r2 and t2 columns (any order and case, other columns kept as written).
// Temperatures without a unit are kelvin when `kelvin`, else °C. Output
// lines end as the header's line does. A row that cannot be read or
// computed gets both columns empty and a message with its line number on
// `err`; the other rows go on. Gives the exit status: 0 when every row
// went through, 1 when any row failed or reading/writing failed, 2 when
// the input has no usable header. One record in memory at a time.
int runCsvBatch(std::istream& in, std::ostream& out, std::ostream& err, const Messages& m, bool kelvin);

} // namespace cli
