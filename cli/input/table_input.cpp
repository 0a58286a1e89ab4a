// ntc-beta-cli: the one way in for every table the program reads: the file opened, its text decoded, notes before
// the header, the header matched (with --column), and a header that does not match explained.
#include "cli/input/table_input.h"

#include "calc/number_reading.h"
#include "cli/input/text_encoding.h"

#include <filesystem>
#include <iterator>
#include <sstream>
#include <system_error>

namespace cli {

namespace {

std::vector<std::string> splitAt(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        pieces.emplace_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) return pieces;
        at = end + 1;
    }
}

bool namesAll(std::string_view header, char separator, std::span<const WantedColumn> wanted)
{
    return !planHeader(splitAt(header, separator), wanted).missing;
}

} // namespace

InputName inputName(const Messages& m, std::string_view typed)
{
    if (typed == "-") return {std::string(typed), std::string(m.standardInputName), "FILE"};
    const std::string shown = shownValue(m, typed);
    return {std::string(typed), shown, typed.find(' ') == std::string_view::npos ? shown : "\"" + shown + "\""};
}

InputFile::InputFile(Session& s, std::string_view name, bool gb18030) : name_(inputName(s.m, name))
{
    stream_ = &s.in;
    if (name != "-") {
        // The name arrives as UTF-8 on every system; a path made from
        // char8_t keeps it so on Windows too.
        const std::filesystem::path path(std::u8string(name.begin(), name.end()));
        std::error_code ignored;
        if (std::filesystem::is_directory(path, ignored))
            throw UnreadableArgument(format(s.m.isFolder, {name_.shown}));
        auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
        if (!*file) throw UnreadableArgument(format(s.m.cannotOpen, {name_.shown}));
        stream_ = file.get();
        own_ = std::move(file);
    }
    if (!gb18030) return;
    auto text = utf8FromGb18030(std::string(std::istreambuf_iterator<char>(*stream_), {}));
    if (!text) throw UnreadableArgument(std::string(s.m.notGb18030));
    own_ = std::make_unique<std::istringstream>(std::move(*text));
    stream_ = own_.get();
}

bool namesColumn(std::string_view cell, std::string_view name)
{
    cell = calc::trimBlanks(cell);
    name = calc::trimBlanks(name);
    if (cell.size() != name.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < cell.size(); ++i)
        if (lower(cell[i]) != lower(name[i])) return false;
    return true;
}

HeaderPlan planHeader(const std::vector<std::string>& cells, std::span<const WantedColumn> wanted)
{
    HeaderPlan plan;
    for (std::size_t c = 0; c < wanted.size(); ++c) {
        std::size_t i = 0;
        while (i < cells.size() && !wanted[c].names(cells[i])) ++i;
        if (i == cells.size()) {
            plan.missing = c;
            return plan;
        }
        plan.index.push_back(i);
    }
    return plan;
}

bool readHeader(CsvReader& reader, CsvRecord& header, const std::function<void(const std::string&)>& note)
{
    std::string line;
    while (reader.nextNote(line))
        if (note) note(line);
    if (!reader.next(header)) return false;
    if (!header.fields.empty() && header.fields[0].starts_with(kByteOrderMark))
        header.fields[0].erase(0, kByteOrderMark.size());
    return true;
}

std::string encodingAdvice(const Messages& m, std::size_t line, std::string_view text, const InputName& name)
{
    return format(looksLikeGb18030(text) ? m.gb18030 : m.notUtf8, {std::to_string(line), name.shell});
}

std::string headerProblem(const Messages& m, const CsvRecord& header, const InputName& name, char delimiter,
                          std::span<const WantedColumn> wanted, std::string lacks)
{
    std::string_view raw = header.raw;
    if (looksLikeUtf16(raw)) return format(m.utf16, {name.shown, name.shell});
    if (raw.starts_with(kByteOrderMark)) raw.remove_prefix(kByteOrderMark.size());
    if (delimiter != ';' && namesAll(raw, ';', wanted)) return format(m.semicolons, {name.shown, name.shell});
    if (delimiter != '\t' && namesAll(raw, '\t', wanted)) return format(m.tabs, {name.shown, name.shell});
    if (!isUtf8(raw)) return encodingAdvice(m, header.line, raw, name);
    return lacks;
}

} // namespace cli
