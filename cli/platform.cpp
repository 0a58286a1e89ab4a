// ntc-beta-cli: the process set-up the program needs before run().
#include "cli/platform.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

namespace {

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
    for (std::string& text : texts_) pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

void prepareStandardStreams()
{
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
}

} // namespace cli
