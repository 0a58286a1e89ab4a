// ntc-beta-cli: files dragged onto the program's icon in Explorer.
#include "cli/dropped_files.h"

#include "cli/input/text_encoding.h"
#include "cli/messages/findings.h"
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

struct DropTexts {
    std::string_view reading, wroteTo, nothingWritten, notAFile, cannotCreate, howTo;
};

constexpr DropTexts kEnglish{
    .reading = "B for every row of ",
    .wroteTo = "Written beside it: ",
    .nothingWritten = "No results were written for ",
    .notAFile = " is a folder, not a CSV file.",
    .cannotCreate = "No new file can be made in the folder of ",
    .howTo = "Drop CSV files with the columns r1, t1, r2 and t2 on ntc-beta-cli.exe to get\n"
             "B for each row in a new file beside each. For everything else, run\n"
             "ntc-beta-cli --help in Command Prompt.",
};

constexpr DropTexts kChinese{
    .reading = "逐行计算 B 值：",
    .wroteTo = "结果已写入同一文件夹中的新文件：",
    .nothingWritten = "没有写出结果：",
    .notAFile = " 是文件夹，不是 CSV 文件。",
    .cannotCreate = "无法在这个文件所在的文件夹中新建文件：",
    .howTo = "把含 r1、t1、r2、t2 列的 CSV 文件拖到 ntc-beta-cli.exe 上，\n"
             "每一行的 B 值会写入旁边的新文件。其他用法请在“命令提示符”中\n"
             "运行 ntc-beta-cli --help。",
};

const DropTexts& texts(Language language)
{
    return language == Language::chinese ? kChinese : kEnglish;
}

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
    const DropTexts& t = texts(language);
    const std::filesystem::path input = pathOf(file);
    const std::string shown = utf8Of(input.filename());
    std::error_code ignored;
    if (std::filesystem::is_directory(input, ignored)) {
        err << shown << t.notAFile << '\n';
        return kExitUsage;
    }
    err << t.reading << shown << '\n';
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
        err << t.cannotCreate << shown << '\n';
        return kExitComputationFailed;
    }
    const int status = batchInto(file, output, err, language);
    if (std::filesystem::file_size(output, ignored) == 0) {
        std::filesystem::remove(output, ignored);
        err << t.nothingWritten << shown << '\n';
        return status == kExitSuccess ? kExitComputationFailed : status;
    }
    err << t.wroteTo << utf8Of(output.filename()) << '\n';
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
    err << texts(language).howTo << '\n';
    return worst;
}

} // namespace cli
