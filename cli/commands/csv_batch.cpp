// ntc-beta-cli: B for every row of a CSV stream.
#include "cli/commands/csv_batch.h"

#include "calc/b_value.h"
#include "calc/number_reading.h"
#include "calc/number_writing.h"
#include "cli/input/csv_reader.h"
#include "cli/input/readings.h"
#include "cli/input/table_input.h"
#include "cli/input/text_encoding.h"
#include "cli/messages/findings.h"
#include "cli/run.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cli {

namespace {

// Output goes out in writes of about this size.
constexpr std::size_t kFlushAt = 256 * 1024;
constexpr std::array<std::string_view, 4> kColumns{"r1", "t1", "r2", "t2"};

// Where r1, t1, r2 and t2 stand in the header (the first column of each
// name, as --column maps it), and those names.
struct ColumnPlan {
    std::array<std::string, 4> names;
    std::array<std::size_t, 4> index{};
};

std::vector<WantedColumn> wantedColumns(const SpreadsheetStyle& style)
{
    std::vector<WantedColumn> wanted;
    for (std::string_view column : kColumns) {
        std::string name = style.column(column);
        wanted.push_back({name, [name](std::string_view cell) { return namesColumn(cell, name); }});
    }
    return wanted;
}

bool hasExtraCells(const CsvRecord& row, std::size_t width)
{
    return std::any_of(row.fields.begin() + std::ptrdiff_t(std::min(width, row.fields.size())), row.fields.end(),
                       [](const std::string& cell) { return !cell.empty(); });
}

// Reads and checks one data row as `beta` does its values; B in `b` when the
// row went through.
Findings rowFindings(const CsvRecord& row, const ColumnPlan& plan, std::size_t width, bool kelvin,
                     const Messages& m, const SpreadsheetStyle& style, std::optional<models::MeasuredB>& b)
{
    Findings found;
    b.reset();
    if (row.strayQuoteField != 0)
        found.push_back({Severity::warning, format(m.strayQuote, {std::to_string(row.strayQuoteField)})});
    if (hasExtraCells(row, width))
        found.push_back({Severity::warning,
                         format(m.extraFields, {std::to_string(row.fields.size()), std::to_string(width)})});
    std::array<std::string, 4> cells;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        if (plan.index[c] >= row.fields.size()) {
            found.push_back({Severity::refused, format(m.rowLacks, {plan.names[c]})});
            return found;
        }
        cells[c] = withDecimalPoint(row.fields[plan.index[c]], style);
    }
    b = checkedBeta(m, {plan.names[0], plan.names[1], plan.names[2], plan.names[3]},
                    {cells[0], cells[1], cells[2], cells[3]}, kelvin, found);
    return found;
}

// betaName of the temperatures last seen: a batch's rows mostly share them.
class BetaNames {
public:
    std::string_view of(const models::MeasuredB& b)
    {
        const auto t1 = std::bit_cast<std::uint64_t>(b.t1Kelvin), t2 = std::bit_cast<std::uint64_t>(b.t2Kelvin);
        if (name_.empty() || t1 != t1_ || t2 != t2_) {
            name_ = calc::betaName(b.t1Kelvin, b.t2Kelvin);
            t1_ = t1;
            t2_ = t2;
        }
        return name_;
    }

private:
    std::uint64_t t1_ = 0, t2_ = 0;
    std::string name_;
};

// The b and b_name cells after the delimiter that opens b: both empty when
// the row has no B.
void appendB(std::string& buffer, const std::optional<models::MeasuredB>& b, const SpreadsheetStyle& style,
             BetaNames& names)
{
    const char d = style.delimiter;
    buffer.push_back(d);
    if (!b) {
        buffer.push_back(d);
        return;
    }
    const std::size_t at = buffer.size();
    calc::appendFullValueText(buffer, b->value);
    useDecimalMark(buffer, at, style);
    buffer.push_back(d);
    buffer.append(names.of(*b));
}

// The fields from `from` up to `to` written anew as RFC 4180 has them, each
// after a delimiter but the record's first.
void appendFields(std::string& buffer, const CsvRecord& row, std::size_t from, std::size_t to, char d)
{
    for (std::size_t i = from; i < to && i < row.fields.size(); ++i) {
        if (i > 0) buffer.push_back(d);
        appendCsvField(buffer, row.fields[i], d);
    }
}

// The row as written, then b and b_name as the header's next two columns:
// a short row filled up with empty cells, a long row's extra cells after them.
// A row read leniently (a stray quote) is written anew, each field quoted as
// RFC 4180 needs, so that a spreadsheet reading the output takes every row
// after it as a row.
void appendRow(std::string& buffer, const CsvRecord& row, std::size_t width, const SpreadsheetStyle& style,
               const std::optional<models::MeasuredB>& b, BetaNames& names)
{
    const char d = style.delimiter;
    const std::size_t count = row.fields.size();
    if (row.lenient) {
        appendFields(buffer, row, 0, width, d);
        if (count < width) buffer.append(width - count, d);
        appendB(buffer, b, style, names);
        appendFields(buffer, row, width, count, d);
        return;
    }
    const std::string_view raw = row.raw;
    const std::size_t cut = count > width ? row.fieldStarts[width] - 1 : raw.size();
    buffer.append(raw.substr(0, cut));
    if (count < width) buffer.append(width - count, d);
    appendB(buffer, b, style, names);
    buffer.append(raw.substr(cut));
}

// What the batch found so far.
struct Tally {
    std::size_t failed = 0, firstFailedLine = 0, warned = 0, messages = 0;
    bool encodingNoted = false;
};

// A row's findings on `err`, the first kRowMessages of the whole batch, and
// once a note on a line that is not UTF-8.
void report(std::ostream& err, const Messages& m, const CsvRecord& row, const Findings& found, Tally& tally,
            const InputName& name)
{
    if (found.empty()) return;
    if (!failed(found)) ++tally.warned;
    else if (tally.failed++ == 0) tally.firstFailedLine = row.line;
    if (!tally.encodingNoted && !isUtf8(row.raw)) {
        tally.encodingNoted = true;
        err << m.errorPrefix << encodingAdvice(m, row.line, row.raw, name) << '\n';
    }
    const std::size_t before = tally.messages;
    tally.messages += found.size();
    if (before < kRowMessages) {
        const std::size_t shown = std::min(found.size(), kRowMessages - before);
        writeFindings(err, m, Findings(found.begin(), found.begin() + std::ptrdiff_t(shown)),
                      format(m.line, {std::to_string(row.line)}));
    }
    if (before <= kRowMessages && tally.messages > kRowMessages) err << m.errorPrefix << m.rowMessagesCut << '\n';
}

// The batch's exit status once every record is through, its summary on `err`.
int batchStatus(const CsvReader& reader, const std::ostream& out, std::ostream& err, const Messages& m,
                const Tally& tally, const InputName& name)
{
    if (reader.failed()) {
        err << m.errorPrefix << format(m.cannotReadNamed, {name.shown}) << '\n';
        return kExitComputationFailed;
    }
    if (!out) {
        err << m.errorPrefix << m.cannotWrite << '\n';
        return kExitComputationFailed;
    }
    if (tally.warned > 0) err << m.warningPrefix << format(m.rowsWarned, {std::to_string(tally.warned)}) << '\n';
    if (tally.failed == 0) return tally.warned > 0 ? kExitWarning : kExitSuccess;
    err << m.errorPrefix
        << format(m.rowsFailed, {std::to_string(tally.failed), std::to_string(tally.firstFailedLine)}) << '\n';
    return kExitComputationFailed;
}

// The header read and planned (notes before it copied to `buffer`), or the
// exit status when it cannot be.
std::optional<int> readBatchHeader(CsvReader& reader, CsvRecord& header, ColumnPlan& plan, std::string& buffer,
                                   std::ostream& err, const Messages& m, const InputName& name,
                                   const SpreadsheetStyle& style)
{
    const auto copy = [&buffer](const std::string& note) { buffer.append(note).append("\n"); };
    if (!readHeader(reader, header, copy)) {
        const bool broken = reader.failed();
        const std::string columns = joined(m, {"r1", "t1", "r2", "t2"});
        err << m.errorPrefix << (broken ? format(m.cannotReadNamed, {name.shown})
                                        : format(m.emptyInput, {name.shown, columns})) << '\n';
        return broken ? kExitComputationFailed : kExitUsage;
    }
    const std::vector<WantedColumn> wanted = wantedColumns(style);
    const HeaderPlan found = planHeader(header.fields, wanted);
    if (!found.missing) {
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            plan.names[c] = wanted[c].name;
            plan.index[c] = found.index[c];
        }
        return std::nullopt;
    }
    const std::string lacks = format(m.headerLacks, {wanted[*found.missing].name});
    err << m.errorPrefix << headerProblem(m, header, name, style.delimiter, wanted, lacks) << '\n';
    return kExitUsage;
}

// The header as read, b and b_name after it; written anew when read leniently.
void appendHeader(std::string& buffer, const CsvRecord& header, char d, std::string_view lineEnd)
{
    if (!header.lenient) {
        buffer.append(header.raw);
    } else {
        if (header.raw.starts_with(kByteOrderMark)) buffer.append(kByteOrderMark);
        appendFields(buffer, header, 0, header.fields.size(), d);
    }
    buffer.append(1, d).append("b").append(1, d).append("b_name").append(lineEnd);
}

// One batch as it runs: what every row needs, kept between rows so that a
// row of plain numbers allocates nothing.
struct Batch {
    Batch(const Messages& messages, const SpreadsheetStyle& spreadsheet, const InputName& input, bool kelvinDefault)
        : m(messages), style(spreadsheet), name(input), kelvin(kelvinDefault)
    {
    }

    const Messages& m;
    const SpreadsheetStyle& style;
    const InputName& name;
    bool kelvin;
    ColumnPlan plan;
    std::size_t width = 0;
    std::string buffer;
    Tally tally;
    BetaNames names;
    CsvRecord record;
    std::vector<std::string_view> cells;
    std::optional<models::MeasuredB> b;
    bool fastPath = true;
};

// B for a plain line of the header's width that the checks find nothing
// wrong with, as rowFindings would give it; std::nullopt sends the line the
// full way, which also words every message. Plain numbers are read quickly;
// cells with units in place, as rowFindings reads them, unless a decimal
// comma has to be turned into a point first.
std::optional<models::MeasuredB> plainRowB(Batch& batch, std::string_view text)
{
    splitCells(text, batch.style.delimiter, batch.cells);
    if (batch.cells.size() != batch.width) return std::nullopt;
    const char mark = batch.style.decimalComma ? ',' : '.';
    std::array<std::string_view, 4> texts, names;
    std::array<double, 4> numbers{};
    bool plain = true;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        texts[c] = batch.cells[batch.plan.index[c]];
        names[c] = batch.plan.names[c];
        const auto number = calc::plainNumber(texts[c], mark);
        plain = plain && number;
        numbers[c] = number.value_or(0.0);
    }
    if (!plain && batch.style.decimalComma) return std::nullopt;
    Findings found;
    const auto b = plain ? checkedBetaOfNumbers(batch.m, names, texts, numbers, batch.kelvin, found)
                         : checkedBeta(batch.m, names, texts, batch.kelvin, found);
    if (!found.empty()) return std::nullopt;
    return b;
}

// A record read the full way: its cells and findings, its messages on `err`.
void batchRecord(Batch& batch, std::ostream& err)
{
    const CsvRecord& row = batch.record;
    const Findings found = rowFindings(row, batch.plan, batch.width, batch.kelvin, batch.m, batch.style, batch.b);
    appendRow(batch.buffer, row, batch.width, batch.style, batch.b, batch.names);
    report(err, batch.m, row, found, batch.tally, batch.name);
}

// The next record into the batch's buffer; false at the end of the text.
bool batchNext(Batch& batch, CsvReader& reader, std::ostream& err)
{
    PlainLine plain;
    if (batch.fastPath && reader.nextPlain(plain)) {
        // A blank line stays a blank line; it is no reading.
        if (plain.text.empty()) return true;
        if (const auto b = plainRowB(batch, plain.text)) {
            batch.buffer.append(plain.text);
            appendB(batch.buffer, b, batch.style, batch.names);
            return true;
        }
        reader.recordOf(plain, batch.record);
    } else if (!reader.next(batch.record)) {
        return false;
    }
    if (!batch.record.raw.empty()) batchRecord(batch, err);
    return true;
}

} // namespace

int runCsvBatch(std::istream& in, std::string_view name, std::ostream& out, std::ostream& err, const Messages& m,
                bool kelvin, const SpreadsheetStyle& style, BatchPath path)
{
    const InputName input = inputName(m, name);
    CsvReader reader(in, style.delimiter);
    Batch batch(m, style, input, kelvin);
    batch.fastPath = path == BatchPath::plainRowsFast;
    CsvRecord& record = batch.record;
    std::string& buffer = batch.buffer;
    buffer.reserve(kFlushAt + 4096);
    if (const auto status = readBatchHeader(reader, record, batch.plan, buffer, err, m, input, style)) return *status;
    batch.width = record.fields.size();
    reader.expectRows(batch.width);
    const std::string_view lineEnd = record.crlf ? "\r\n" : "\n";
    appendHeader(buffer, record, style.delimiter, lineEnd);
    while (batchNext(batch, reader, err)) {
        buffer.append(lineEnd);
        if (buffer.size() >= kFlushAt) {
            out.write(buffer.data(), std::streamsize(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), std::streamsize(buffer.size()));
    out.flush();
    return batchStatus(reader, out, err, m, batch.tally, input);
}

} // namespace cli
