// ntc-beta-cli: reading a CSV text one record at a time, catching a stray quote at the end of its line.
#include "cli/input/csv_reader.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace cli {

// One record's fields as they are split, across the physical lines of a
// quoted field.
struct FieldScan {
    std::string field;
    bool inQuotes = false;
    bool fieldStart = true;
    bool badClose = false;                          // a closing quote with more text after it
    bool lenient = false;                           // a quote RFC 4180 does not allow where it stands
    std::size_t offset = 0;                         // of the line scanned, in the record's raw text
    std::size_t openedAt = std::string_view::npos;  // the quote that opened the field now in quotes
    std::size_t plainQuoteAt = std::string_view::npos; // a quote to read as a plain character
};

namespace {

std::string_view withoutCr(std::string_view line, bool& cr)
{
    cr = !line.empty() && line.back() == '\r';
    return std::string_view(line.data(), line.size() - (cr ? 1 : 0));
}

void endField(CsvRecord& record, FieldScan& scan, std::size_t nextStart)
{
    record.fields.push_back(std::move(scan.field));
    scan.field.clear();
    scan.fieldStart = true;
    record.fieldStarts.push_back(nextStart);
}

// Splits one physical line (without its line end) into `record`'s fields;
// a field still open in quotes at its end stays in `scan`.
void scanLine(std::string_view text, char delimiter, CsvRecord& record, FieldScan& scan)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool quote = c == '"' && scan.offset + i != scan.plainQuoteAt;
        if (scan.inQuotes) {
            if (!quote) scan.field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') scan.field += text[++i];
            else {
                scan.inQuotes = false;
                const bool textAfter = i + 1 < text.size() && text[i + 1] != delimiter;
                scan.badClose |= textAfter;
                scan.lenient |= textAfter;
            }
        } else if (c == delimiter) {
            endField(record, scan, scan.offset + i + 1);
            continue;
        } else if (quote && scan.fieldStart) {
            scan.inQuotes = true;
            scan.openedAt = scan.offset + i;
        } else {
            scan.lenient |= c == '"';
            scan.field += c;
        }
        scan.fieldStart = false;
    }
}

void startRecord(CsvRecord& record)
{
    record.raw.clear();
    record.fields.clear();
    record.fieldStarts.assign(1, 0);
    record.strayQuoteField = 0;
    record.lenient = false;
}

bool isNote(std::string_view line, bool first)
{
    if (first && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    return line.empty() || line == "\r" || line.front() == '#';
}

} // namespace

void appendCsvField(std::string& out, std::string_view field, char delimiter)
{
    if (field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string_view::npos) {
        out.append(field);
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

LineSource::LineSource(std::istream& in, std::size_t blockSize) : in_(in), block_(blockSize, '\0') {}

// Reads on after the bytes not yet taken, first moving them to the block's
// start, and doubling the block when they fill it; false at the end.
bool LineSource::fill()
{
    if (atEnd_) return false;
    if (begin_ > 0) {
        std::memmove(block_.data(), block_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == block_.size()) block_.resize(block_.size() * 2);
    in_.read(block_.data() + end_, std::streamsize(block_.size() - end_));
    const auto got = static_cast<std::size_t>(in_.gcount());
    end_ += got;
    // A stream reads all it is asked for unless its text has ended.
    atEnd_ = end_ < block_.size();
    return got > 0;
}

bool LineSource::peek(std::string_view& line)
{
    std::size_t searched = begin_;
    while (lineEnd_ == std::string_view::npos) {
        if (const void* found = std::memchr(block_.data() + searched, '\n', end_ - searched)) {
            lineEnd_ = std::size_t(static_cast<const char*>(found) - block_.data()) + 1;
        } else {
            const std::size_t before = end_ - begin_;
            if (!fill()) {
                if (begin_ == end_) return false;
                lineEnd_ = end_; // the last line, without a line end
            } else {
                searched = begin_ + before;
            }
        }
    }
    const std::size_t length = lineEnd_ - begin_ - (block_[lineEnd_ - 1] == '\n' ? 1 : 0);
    line = std::string_view(block_.data() + begin_, length);
    return true;
}

void LineSource::take()
{
    begin_ = lineEnd_;
    lineEnd_ = std::string_view::npos;
}

bool CsvReader::nextLine(std::string& line)
{
    if (pending_.empty()) {
        std::string_view text;
        if (!source_.peek(text)) return false;
        line.assign(text);
        source_.take();
        return true;
    }
    line = std::move(pending_.front());
    pending_.pop_front();
    return true;
}

bool CsvReader::nextPlain(PlainLine& line)
{
    std::string_view text;
    if (!pending_.empty()) {
        if (pending_.front().find('"') != std::string::npos) return false;
        physical_ = std::move(pending_.front());
        pending_.pop_front();
        text = physical_;
    } else {
        if (!source_.peek(text) || text.find('"') != std::string_view::npos) return false;
        source_.take();
    }
    line.text = withoutCr(text, line.crlf);
    line.line = ++line_;
    return true;
}

void CsvReader::recordOf(const PlainLine& line, CsvRecord& record) const
{
    startRecord(record);
    record.line = line.line;
    record.crlf = line.crlf;
    record.raw.append(line.text);
    FieldScan scan;
    scanLine(line.text, delimiter_, record, scan);
    record.fields.push_back(std::move(scan.field));
}

bool CsvReader::nextNote(std::string& line)
{
    std::string_view text;
    if (!pending_.empty()) text = pending_.front();
    else if (!source_.peek(text)) return false;
    if (!isNote(text, line_ == 0)) return false;
    line.assign(text);
    if (!pending_.empty()) pending_.pop_front();
    else source_.take();
    ++line_;
    return true;
}

// Reads on past the line end inside quotes until the field closes as a
// quoted field should; false, with every line read kept in `ahead`, when it
// plainly should have closed on its first line.
bool CsvReader::quoteCloses(CsvRecord& record, FieldScan& scan, std::vector<std::string>& ahead)
{
    const std::size_t rowCommas = fieldsPerRow_ > 1 ? fieldsPerRow_ - 1 : 0;
    std::string line;
    bool cr = false;
    while (ahead.size() < kMaxLinesInQuotes && nextLine(line)) {
        ahead.push_back(line);
        const std::string_view text = withoutCr(ahead.back(), cr);
        const bool closes = text.find('"') != std::string_view::npos;
        if (!closes && rowCommas > 0 && std::size_t(std::count(text.begin(), text.end(), delimiter_)) >= rowCommas)
            return false;
        const std::string_view lineEnd = record.crlf ? "\r\n" : "\n";
        record.raw.append(lineEnd);
        scan.field.append(lineEnd);
        scan.offset = record.raw.size();
        record.raw.append(text);
        scanLine(text, delimiter_, record, scan);
        if (scan.badClose) return false;
        if (!scan.inQuotes) {
            record.crlf = cr;
            return true;
        }
        record.crlf = cr;
    }
    return false;
}

bool CsvReader::next(CsvRecord& record)
{
    startRecord(record);
    if (!nextLine(physical_)) return false;
    record.line = ++line_;
    FieldScan scan;
    const std::string_view text = withoutCr(physical_, record.crlf);
    record.raw.append(text);
    scanLine(text, delimiter_, record, scan);
    if (scan.inQuotes) {
        std::vector<std::string> ahead;
        scan.badClose = false; // a lenient "ab"c earlier on the line is no reason
        if (quoteCloses(record, scan, ahead)) {
            line_ += ahead.size();
        } else {
            // Back to the first line alone, its opening quote a plain character.
            pending_.insert(pending_.begin(), ahead.begin(), ahead.end());
            const std::size_t quoteAt = scan.openedAt;
            startRecord(record);
            scan = FieldScan{};
            scan.plainQuoteAt = quoteAt;
            record.crlf = !physical_.empty() && physical_.back() == '\r';
            record.raw.append(text);
            scanLine(text, delimiter_, record, scan);
            record.strayQuoteField = std::size_t(std::upper_bound(record.fieldStarts.begin(),
                                                                  record.fieldStarts.end(), quoteAt) -
                                                 record.fieldStarts.begin());
        }
    }
    record.lenient = scan.lenient || record.strayQuoteField != 0;
    record.fields.push_back(std::move(scan.field));
    return true;
}

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
