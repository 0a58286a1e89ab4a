// ntc-beta-cli: B for every row of a CSV stream.
#include "cli/csv_batch.h"

#include "calc/b_value.h"
#include "models/quantity.h"
#include "cli/readings.h"

#include <array>
#include <optional>

namespace cli {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 4> kColumns{"r1", "t1", "r2", "t2"};

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool namesColumn(std::string_view field, std::string_view column)
{
    field = trimmed(field);
    if (field.size() != column.size()) return false;
    for (std::size_t i = 0; i < field.size(); ++i)
        if ((field[i] >= 'A' && field[i] <= 'Z' ? char(field[i] - 'A' + 'a') : field[i]) != column[i]) return false;
    return true;
}

// Where r1, t1, r2 and t2 stand in the header (the first column of each
// name), or the name of the first one missing.
struct ColumnPlan {
    std::array<std::size_t, 4> index{};
    std::optional<std::string_view> missing;
};

ColumnPlan planColumns(CsvRecord& header)
{
    if (!header.fields.empty() && header.fields[0].starts_with(kByteOrderMark))
        header.fields[0].erase(0, kByteOrderMark.size());
    ColumnPlan plan;
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        std::size_t i = 0;
        while (i < header.fields.size() && !namesColumn(header.fields[i], kColumns[c])) ++i;
        if (i == header.fields.size()) {
            plan.missing = kColumns[c];
            return plan;
        }
        plan.index[c] = i;
    }
    return plan;
}

// B and its name for one row, or the reason it has none.
struct RowResult {
    bool ok = false;
    std::string b, name, reason;
};

RowResult computeRow(const CsvRecord& row, const ColumnPlan& plan, bool kelvin, const Messages& m)
{
    RowResult result;
    if (row.unclosedQuote) {
        result.reason = m.openQuote;
        return result;
    }
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        if (plan.index[c] >= row.fields.size()) {
            result.reason = std::string(m.rowLacks).append(kColumns[c]);
            return result;
        }
    }
    const std::string& r1Text = row.fields[plan.index[0]];
    const std::string& t1Text = row.fields[plan.index[1]];
    const std::string& r2Text = row.fields[plan.index[2]];
    const std::string& t2Text = row.fields[plan.index[3]];
    try {
        const auto r1 = models::parseResistance(r1Text);
        if (!r1) result.reason = unreadable(m, "r1", r1Text, m.expectedResistance);
        const auto t1 = r1 ? readTemperature(t1Text, kelvin) : std::nullopt;
        if (r1 && !t1) result.reason = unreadable(m, "t1", t1Text, m.expectedTemperature);
        const auto r2 = t1 ? models::parseResistance(r2Text) : std::nullopt;
        if (t1 && !r2) result.reason = unreadable(m, "r2", r2Text, m.expectedResistance);
        const auto t2 = r2 ? readTemperature(t2Text, kelvin) : std::nullopt;
        if (r2 && !t2) result.reason = unreadable(m, "t2", t2Text, m.expectedTemperature);
        if (!t2) return result;

        const models::MeasuredB measured = betaOf(*r1, *t1, *r2, *t2);
        result.b = calc::fullValueText(measured.value);
        result.name = calc::betaName(measured.t1Kelvin, measured.t2Kelvin);
        result.ok = true;
    } catch (const models::ModelFailure& failure) {
        result.reason = failureText(m, failure.kind());
    }
    return result;
}

// One record's fields as they are split, across the physical lines of a
// quoted field.
struct FieldScan {
    std::string field;
    bool inQuotes = false;
    bool fieldStart = true;
};

// Splits one physical line (without its line end) into `record`'s fields;
// a field still open in quotes at its end stays in `scan`.
void scanLine(std::string_view text, char delimiter, CsvRecord& record, FieldScan& scan)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (scan.inQuotes) {
            if (c != '"') scan.field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"') scan.field += text[++i];
            else scan.inQuotes = false;
        } else if (c == delimiter) {
            record.fields.push_back(std::move(scan.field));
            scan.field.clear();
            scan.fieldStart = true;
            continue;
        } else if (c == '"' && scan.fieldStart) {
            scan.inQuotes = true;
        } else {
            scan.field += c;
        }
        scan.fieldStart = false;
    }
}

// Appends a data record's b and b_name columns, both empty when the row
// fails, with the reason on `err`. Gives whether the row went through.
bool appendColumns(std::string& buffer, const CsvRecord& record, const ColumnPlan& plan, bool kelvin,
                   const Messages& m, std::ostream& err)
{
    const RowResult row = computeRow(record, plan, kelvin, m);
    if (row.ok) {
        buffer.append(",").append(row.b).append(",").append(row.name);
        return true;
    }
    buffer.append(",,");
    err << m.errorPrefix << m.line << record.line << m.lineAfter << row.reason << '\n';
    return false;
}

// The batch's exit status once every record is through, its message on `err`.
int batchStatus(const CsvReader& reader, const std::ostream& out, std::ostream& err, const Messages& m,
                std::size_t failures)
{
    if (reader.failed()) {
        err << m.errorPrefix << m.cannotRead << '\n';
        return 1;
    }
    if (!out) {
        err << m.errorPrefix << m.cannotWrite << '\n';
        return 1;
    }
    if (failures > 0) {
        err << m.errorPrefix << m.rowsFailed << failures << '\n';
        return 1;
    }
    return 0;
}

} // namespace

bool CsvReader::next(CsvRecord& record)
{
    record.raw.clear();
    record.fields.clear();
    record.unclosedQuote = false;
    if (!std::getline(in_, physical_)) return false;
    record.line = ++line_;

    FieldScan scan;
    for (;;) {
        const bool cr = !physical_.empty() && physical_.back() == '\r';
        const std::string_view text(physical_.data(), physical_.size() - (cr ? 1 : 0));
        record.raw.append(text);
        scanLine(text, delimiter_, record, scan);
        if (!scan.inQuotes) {
            record.crlf = cr;
            break;
        }
        // A line end inside quotes belongs to the field; the record goes on.
        const std::string_view lineEnd = cr ? "\r\n" : "\n";
        record.raw.append(lineEnd);
        scan.field.append(lineEnd);
        if (!std::getline(in_, physical_)) {
            record.unclosedQuote = true;
            record.crlf = false;
            break;
        }
        ++line_;
    }
    record.fields.push_back(std::move(scan.field));
    return true;
}

int runCsvBatch(std::istream& in, std::ostream& out, std::ostream& err, const Messages& m, bool kelvin)
{
    CsvReader reader(in);
    CsvRecord record;
    if (!reader.next(record)) {
        err << m.errorPrefix << (reader.failed() ? m.cannotRead : m.emptyInput) << '\n';
        return reader.failed() ? 1 : 2;
    }
    const ColumnPlan plan = planColumns(record);
    if (plan.missing) {
        err << m.errorPrefix << m.headerLacks << *plan.missing << '\n';
        return 2;
    }
    const std::string_view lineEnd = record.crlf ? "\r\n" : "\n";

    std::string buffer;
    buffer.reserve(kFlushAt + 4096);
    buffer.append(record.raw).append(",b,b_name").append(lineEnd);
    std::size_t failures = 0;
    while (reader.next(record)) {
        buffer.append(record.raw);
        // A blank line stays a blank line; it is no reading.
        if (!record.raw.empty() && !appendColumns(buffer, record, plan, kelvin, m, err)) ++failures;
        buffer.append(lineEnd);
        if (buffer.size() >= kFlushAt) {
            out.write(buffer.data(), std::streamsize(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), std::streamsize(buffer.size()));
    out.flush();
    return batchStatus(reader, out, err, m, failures);
}

} // namespace cli
