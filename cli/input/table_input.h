// ntc-beta-cli: the one way in for every table the program reads: the file opened, its text decoded, notes before
// the header, the header matched (with --column), and a header that does not match explained.
#pragma once

#include "cli/commands/command.h"
#include "cli/input/csv_reader.h"

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The input's name as messages show it, and as a command that converts the
// file would take it ("FILE" for standard input).
struct InputName {
    std::string typed, shown, shell;
};

InputName inputName(const Messages& m, std::string_view typed);

// An input opened for reading: standard input for "-", else the file named
// (its name UTF-8 on every system). GB18030 text is decoded to UTF-8 whole
// first; UTF-8 text is read as it streams.
class InputFile {
public:
    // Throws UnreadableArgument: a folder, a file that cannot be opened, or
    // text that is not GB18030 when `gb18030`.
    InputFile(Session& s, std::string_view name, bool gb18030);
    std::istream& stream() { return *stream_; }
    const InputName& name() const { return name_; }

private:
    InputName name_;
    std::unique_ptr<std::istream> own_;
    std::istream* stream_ = nullptr;
};

// A column the command reads, and whether a header cell names it.
struct WantedColumn {
    std::string name; // as messages name it: "r1", "temperature_c"
    std::function<bool(std::string_view cell)> names;
};

// Where each wanted column stands in the header (its first cell that names
// it), or which wanted column is missing first.
struct HeaderPlan {
    std::vector<std::size_t> index;
    std::optional<std::size_t> missing;
};

HeaderPlan planHeader(const std::vector<std::string>& cells, std::span<const WantedColumn> wanted);

// Whether a header cell is the name: blanks around it and the case of ASCII
// letters aside.
bool namesColumn(std::string_view cell, std::string_view name);

// Reads the header record: lines before it that are notes (starting with
// '#', or blank) go to `note` as they stand, when given; a UTF-8 byte order
// mark is kept in the header's raw text and dropped from its first cell.
// False at the end of the text.
bool readHeader(CsvReader& reader, CsvRecord& header, const std::function<void(const std::string&)>& note = {});

// Why a header does not name every wanted column: UTF-16 text, columns
// apart by semicolons or by tabs (when the header so split names them
// all), text that is not UTF-8; each with how to read or convert the file.
// Otherwise `lacks`, the command's own words for the column missing.
std::string headerProblem(const Messages& m, const CsvRecord& header, const InputName& name, char delimiter,
                          std::span<const WantedColumn> wanted, std::string lacks);

// The note for line `line`, which is not UTF-8: GB18030 (and --encoding
// gb18030) or another encoding, with how to convert the file.
std::string encodingAdvice(const Messages& m, std::size_t line, std::string_view text, const InputName& name);

} // namespace cli
