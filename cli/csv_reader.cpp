// ntc-beta-cli: reading a CSV text one record at a time, catching a stray quote at the end of its line.
#include "cli/csv_reader.h"

#include <algorithm>
#include <string_view>

namespace cli {

// One record's fields as they are split, across the physical lines of a
// quoted field.
struct FieldScan {
    std::string field;
    bool inQuotes = false;
    bool fieldStart = true;
    bool badClose = false;                          // a closing quote with more text after it
    std::size_t offset = 0;                         // of the line scanned, in the record's raw text
    std::size_t openedAt = std::string_view::npos;  // the quote that opened the field now in quotes
    std::size_t plainQuoteAt = std::string_view::npos; // a quote to read as a plain character
};

namespace {

std::string_view withoutCr(const std::string& line, bool& cr)
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
void scanLine(std::string_view text, CsvRecord& record, FieldScan& scan)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool quote = c == '"' && scan.offset + i != scan.plainQuoteAt;
        if (scan.inQuotes) {
            if (!quote) scan.field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') scan.field += text[++i];
            else {
                scan.inQuotes = false;
                scan.badClose |= i + 1 < text.size() && text[i + 1] != ',';
            }
        } else if (c == ',') {
            endField(record, scan, scan.offset + i + 1);
            continue;
        } else if (quote && scan.fieldStart) {
            scan.inQuotes = true;
            scan.openedAt = scan.offset + i;
        } else {
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
}

} // namespace

bool CsvReader::nextLine(std::string& line)
{
    if (pending_.empty()) return static_cast<bool>(std::getline(in_, line));
    line = std::move(pending_.front());
    pending_.pop_front();
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
        if (!closes && rowCommas > 0 && std::size_t(std::count(text.begin(), text.end(), ',')) >= rowCommas)
            return false;
        const std::string_view lineEnd = record.crlf ? "\r\n" : "\n";
        record.raw.append(lineEnd);
        scan.field.append(lineEnd);
        scan.offset = record.raw.size();
        record.raw.append(text);
        scanLine(text, record, scan);
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
    scanLine(text, record, scan);
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
            scanLine(text, record, scan);
            record.strayQuoteField = std::size_t(std::upper_bound(record.fieldStarts.begin(),
                                                                  record.fieldStarts.end(), quoteAt) -
                                                 record.fieldStarts.begin());
        }
    }
    record.fields.push_back(std::move(scan.field));
    return true;
}

} // namespace cli
