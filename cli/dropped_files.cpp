// ntc-beta-cli: files dragged onto the program's icon in Explorer.
#include "cli/dropped_files.h"

#include "cli/input/text_encoding.h"
#include "cli/messages/findings.h"
#include "cli/messages/messages.h"
#include "cli/run.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace cli {

namespace {

std::filesystem::path pathOf(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

enum class Creation { created, nameTaken, failed };

// Creates `path` as a new, empty file, never opening one that is there.
Creation createNew(const std::filesystem::path& path)
{
#ifdef _WIN32
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Creation::nameTaken : Creation::failed;
    }
    CloseHandle(file);
#else
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (file < 0) return errno == EEXIST ? Creation::nameTaken : Creation::failed;
    ::close(file);
#endif
    return Creation::created;
}

// Whether the file is GB18030 text, as a Chinese Excel saves CSV: its
// first 64 KiB, up to the last whole line, are not UTF-8 but read as
// GB18030 (a line end, 0x0A, is never part of a character in either). A
// dropped file comes without options, so the encoding is told here as
// `--encoding gb18030` would.
bool isGb18030(const std::filesystem::path& input)
{
    std::ifstream file(input, std::ios::binary);
    std::string head(64 * 1024, '\0');
    file.read(head.data(), std::streamsize(head.size()));
    head.resize(std::size_t(file.gcount()));
    if (!file.eof()) head.resize(head.rfind('\n') + 1); // none: npos + 1, nothing left to judge
    return !isUtf8(head) && looksLikeGb18030(head);
}

// The batch over `file` into `output`, a new empty file.
int batchInto(const std::string& file, const std::filesystem::path& output, std::ostream& err, Language language)
{
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (!out) return kExitComputationFailed;
    std::vector<std::string> arguments{"ntc-beta-cli", "beta", "--csv", file};
    if (isGb18030(pathOf(file))) arguments.insert(arguments.end(), {"--encoding", "gb18030"});
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::istringstream noInput;
    return run(int(arguments.size()), argv.data(), noInput, out, err, language);
}

// The batch on one file into a new file beside it.
int runOne(const std::string& file, std::ostream& err, Language language)
{
    const Messages& m = messages(language);
    const std::filesystem::path input = pathOf(file);
    const std::string shown = utf8Of(input.filename());
    std::error_code ignored;
    if (std::filesystem::is_directory(input, ignored)) {
        err << shown << m.droppedNotAFile << '\n';
        return kExitUsage;
    }
    err << m.droppedReading << shown << '\n';
    // The name is taken by creating the file: nothing is written over, not
    // even a file that appears in between.
    std::filesystem::path output;
    Creation creation = Creation::failed;
    resultPathFor(input, [&](const std::filesystem::path& candidate) {
        output = candidate;
        creation = createNew(candidate);
        return creation == Creation::nameTaken;
    });
    if (creation != Creation::created) {
        err << m.droppedCannotCreate << shown << '\n';
        return kExitComputationFailed;
    }
    const int status = batchInto(file, output, err, language);
    if (std::filesystem::file_size(output, ignored) == 0) {
        std::filesystem::remove(output, ignored);
        err << m.droppedNothingWritten << shown << '\n';
        return status == kExitSuccess ? kExitComputationFailed : status;
    }
    err << m.droppedWroteTo << utf8Of(output.filename()) << '\n';
    return status;
}

} // namespace

bool areDroppedFiles(int argc, char** argv)
{
    if (argc < 2) return false;
    for (int i = 1; i < argc; ++i)
        if (!pathOf(argv[i]).is_absolute()) return false;
    return true;
}

std::filesystem::path resultPathFor(const std::filesystem::path& input,
                                    const std::function<bool(const std::filesystem::path&)>& taken)
{
    const std::filesystem::path folder = input.parent_path();
    const std::u8string stem = input.stem().u8string() + u8"-B";
    const std::u8string extension = input.extension().u8string();
    std::filesystem::path candidate = folder / (stem + extension);
    for (int copy = 2; taken(candidate) && copy < 10000; ++copy) {
        const std::string number = std::to_string(copy);
        candidate = folder / (stem + u8" (" + std::u8string(number.begin(), number.end()) + u8")" + extension);
    }
    return candidate;
}

int runDroppedFiles(const std::vector<std::string>& files, std::ostream& err, Language language)
{
    int worst = kExitSuccess;
    for (const std::string& file : files) {
        worst = worseStatus(worst, runOne(file, err, language));
        err << '\n';
    }
    err << messages(language).droppedHowTo << '\n';
    return worst;
}

} // namespace cli
