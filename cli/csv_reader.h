// ntc-beta-cli: reading a CSV text one record at a time, catching a stray quote at the end of its line.
#pragma once

#include <cstddef>
#include <deque>
#include <istream>
#include <string>
#include <vector>

namespace cli {

struct FieldScan;

// One record of a CSV text (RFC 4180: fields apart by commas, a field in
// double quotes may hold commas, line ends and doubled quotes).
struct CsvRecord {
    std::string raw;                      // the record as read, without its line end
    std::vector<std::string> fields;      // unquoted; keeps its capacity between records
    std::vector<std::size_t> fieldStarts; // where each field starts in `raw`
    std::size_t line = 0;                 // the line it starts on, from 1
    bool crlf = false;                    // its line end was CR LF
    std::size_t strayQuoteField = 0;      // see CsvReader; 0 when there is none
};

// Reads records one at a time. A quoted field may run over line ends, but
// a quote that plainly should have closed on its line is caught there: when
// the field runs to the end of the text, over more than kMaxLinesInQuotes
// lines, over a line that holds a whole row's commas (as many as the row
// width given to expectRows, less one) or to a closing quote with anything
// but a comma or a line end after it, the opening quote is read as a plain
// character, the record ends with its line (`strayQuoteField` is the field it
// opens, from 1) and the lines after it are records of their own.
// Holds one record, and at most kMaxLinesInQuotes lines read ahead.
class CsvReader {
public:
    static constexpr std::size_t kMaxLinesInQuotes = 100;

    explicit CsvReader(std::istream& in) : in_(in) {}
    // Rows have this many fields (the header's); 0, at the start, checks no
    // line's commas.
    void expectRows(std::size_t fieldsPerRow) { fieldsPerRow_ = fieldsPerRow; }
    // The next record, false at the end of the text (or when reading fails:
    // see failed()).
    bool next(CsvRecord& record);
    bool failed() const { return in_.bad(); }

private:
    bool nextLine(std::string& line);
    bool quoteCloses(CsvRecord& record, FieldScan& scan, std::vector<std::string>& ahead);

    std::istream& in_;
    std::deque<std::string> pending_; // lines read ahead, to be read again
    std::string physical_;
    std::size_t line_ = 0;
    std::size_t fieldsPerRow_ = 0;
};

} // namespace cli
