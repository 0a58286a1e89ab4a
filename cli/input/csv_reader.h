// ntc-beta-cli: reading a CSV text one record at a time, catching a stray quote at the end of its line.
#pragma once

#include <cstddef>
#include <deque>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// UTF-8's byte order mark, which Excel writes before a "CSV UTF-8" file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct FieldScan;

// One record of a CSV text (RFC 4180: fields apart by commas, a field in
// double quotes may hold commas, line ends and doubled quotes); the
// delimiter may be another character than the comma (see CsvReader).
struct CsvRecord {
    std::string raw;                      // the record as read, without its line end
    std::vector<std::string> fields;      // unquoted; keeps its capacity between records
    std::vector<std::size_t> fieldStarts; // where each field starts in `raw`
    std::size_t line = 0;                 // the line it starts on, from 1
    bool crlf = false;                    // its line end was CR LF
    std::size_t strayQuoteField = 0;      // see CsvReader; 0 when there is none
    // Whether `raw` is not what RFC 4180 allows (a stray quote, a quote
    // inside a field not in quotes, text after a closing quote), so that
    // a writer must write the fields anew rather than copy it.
    bool lenient = false;
};

// `field` as one field of a CSV record that RFC 4180 allows: as it is when
// it holds no `delimiter`, quote, CR or LF, else in quotes with its quotes
// doubled.
void appendCsvField(std::string& out, std::string_view field, char delimiter);

// The lines of a stream, read in large blocks: each line is a view into the
// block, without its 0x0A byte, as std::getline would give it (a last line
// without a line end is a line; an empty text has none). A line longer than
// the block grows the block to hold it; otherwise memory stays at one block.
class LineSource {
public:
    static constexpr std::size_t kBlockSize = 256 * 1024;

    explicit LineSource(std::istream& in, std::size_t blockSize = kBlockSize);
    // The next line, left in place: valid until take() or the next peek()
    // after a take(). False at the end of the text.
    bool peek(std::string_view& line);
    // Moves past the line peek() gave.
    void take();

private:
    bool fill();

    std::istream& in_;
    std::string block_;
    std::size_t begin_ = 0, end_ = 0;     // the bytes not yet taken
    std::size_t lineEnd_ = std::string_view::npos; // of the line peeked, past its line end
    bool atEnd_ = false;
};

// A record that is one physical line without a quote: nothing to unquote,
// nothing to join, its fields are its text cut at each delimiter.
struct PlainLine {
    std::string_view text; // without its line end; valid until the reader reads on
    std::size_t line = 0;
    bool crlf = false;
};

// Reads records one at a time. A quoted field may run over line ends, but
// a quote that plainly should have closed on its line is caught there: when
// the field runs to the end of the text, over more than kMaxLinesInQuotes
// lines, over a line that holds a whole row's commas (as many as the row
// width given to expectRows, less one) or to a closing quote with anything
// but a comma or a line end after it, the opening quote is read as a plain
// character, the record ends with its line (`strayQuoteField` is the field it
// opens, from 1) and the lines after it are records of their own.
// Holds one record, one block of the text and at most kMaxLinesInQuotes lines
// read ahead.
class CsvReader {
public:
    static constexpr std::size_t kMaxLinesInQuotes = 100;

    // `delimiter` separates fields: ',' or, from spreadsheets, ';' or a tab.
    explicit CsvReader(std::istream& in, char delimiter = ',') : in_(in), delimiter_(delimiter) {}
    // Rows have this many fields (the header's); 0, at the start, checks no
    // line's commas.
    void expectRows(std::size_t fieldsPerRow) { fieldsPerRow_ = fieldsPerRow; }
    // The next record, false at the end of the text (or when reading fails:
    // see failed()).
    bool next(CsvRecord& record);
    // The next record when it is a PlainLine, false when it is not (next()
    // then reads it) or at the end of the text.
    bool nextPlain(PlainLine& line);
    // The record a plain line is, as next() would have read it.
    void recordOf(const PlainLine& line, CsvRecord& record) const;
    // The next physical line when it is a note before a header: it starts
    // with '#' (after a UTF-8 byte order mark on the first line) or is blank.
    // `line` gets it as it stands, a CR at its end kept; false, with nothing
    // read, for any other line or at the end of the text.
    bool nextNote(std::string& line);
    bool failed() const { return in_.bad(); }

private:
    bool nextLine(std::string& line);
    bool quoteCloses(CsvRecord& record, FieldScan& scan, std::vector<std::string>& ahead);

    std::istream& in_;
    LineSource source_{in_};
    char delimiter_;
    std::deque<std::string> pending_; // lines read ahead, to be read again
    std::string physical_;
    std::size_t line_ = 0;
    std::size_t fieldsPerRow_ = 0;
};

// The text of a line that holds no quote cut at each `delimiter` into
// `cells` (views into `text`; the vector keeps its capacity between rows):
// the batch's quick way through a row of plain numbers, each then read by
// calc::plainNumber. A line without a delimiter is one cell, an empty line
// one empty cell.
void splitCells(std::string_view text, char delimiter, std::vector<std::string_view>& cells);

} // namespace cli
