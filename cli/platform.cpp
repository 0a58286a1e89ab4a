// ntc-beta-cli: the process set-up the program needs before run().
#include "cli/platform.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <conio.h>
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

namespace {

// How many bytes the UTF-8 sequence starting with `lead` has (1 for a byte
// that starts none).
std::size_t sequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

#ifdef _WIN32
std::string utf8Of(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back(); // the terminating null
    return text;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

// Writes UTF-8 to a console as UTF-16, whole characters at a time: a
// sequence cut by the end of the buffer waits for its last bytes.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) { setp(bytes_.data(), bytes_.data() + bytes_.size()); }

protected:
    int_type overflow(int_type c) override
    {
        if (!writeComplete()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return writeComplete() ? 0 : -1; }

private:
    bool writeComplete()
    {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t complete = completeUtf8Prefix(pending);
        const bool written = write(pending.substr(0, complete));
        const std::size_t rest = pending.size() - complete;
        std::memmove(bytes_.data(), pbase() + complete, rest);
        setp(bytes_.data(), bytes_.data() + bytes_.size());
        pbump(static_cast<int>(rest));
        return written;
    }

    bool write(std::string_view utf8) const
    {
        if (utf8.empty()) return true;
        std::wstring wide(utf8.size(), L'\0'); // never more UTF-16 units than bytes
        const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                              static_cast<int>(wide.size()));
        DWORD written = 0;
        return units > 0 && WriteConsoleW(console_, wide.data(), static_cast<DWORD>(units), &written, nullptr) &&
               written == static_cast<DWORD>(units);
    }

    HANDLE console_;
    std::array<char, 4096> bytes_{};
};

// Puts a console stream behind `stream` where its handle is a console. The
// buffer is never destroyed: the streams flush into it up to the very end.
void writeThroughConsole(std::ostream& stream, DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    if (isConsole(handle)) stream.rdbuf(new ConsoleBuffer(handle));
}
#endif

} // namespace

Utf8Arguments::Utf8Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) texts_.push_back(utf8Of(wide[i]));
        LocalFree(wide);
    } else {
        texts_.assign(argv, argv + argc);
    }
#else
    texts_.assign(argv, argv + argc);
#endif
    point();
}

void Utf8Arguments::append(std::string argument)
{
    texts_.push_back(std::move(argument));
    point();
}

void Utf8Arguments::point()
{
    pointers_.clear();
    for (std::string& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

void prepareStandardStreams()
{
#ifdef _WIN32
    // The console's code page stays as the user had it: text for a console
    // goes as UTF-16 (ConsoleBuffer), and a changed code page would outlive
    // the program, garbling what later programs in that console write.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
#ifdef _WIN32
    writeThroughConsole(std::cout, STD_OUTPUT_HANDLE);
    writeThroughConsole(std::cerr, STD_ERROR_HANDLE);
#endif
}

bool ownsConsoleAlone()
{
#ifdef _WIN32
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1 && isConsole(GetStdHandle(STD_INPUT_HANDLE));
#else
    return false;
#endif
}

void waitForKey(std::string_view prompt)
{
    std::cout.flush();
    std::cerr << '\n' << prompt << std::flush;
#ifdef _WIN32
    FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
    _getwch();
#endif
}

std::size_t completeUtf8Prefix(std::string_view bytes)
{
    // Only the last three bytes can belong to an unfinished sequence.
    const std::size_t earliest = bytes.size() > 3 ? bytes.size() - 3 : 0;
    for (std::size_t start = bytes.size(); start > earliest; --start) {
        const auto byte = static_cast<unsigned char>(bytes[start - 1]);
        if ((byte & 0xC0) == 0x80) continue; // a continuation byte
        return start - 1 + sequenceLength(byte) > bytes.size() ? start - 1 : bytes.size();
    }
    return bytes.size();
}

} // namespace cli
