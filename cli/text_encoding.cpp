// ntc-beta-cli: text from Chinese spreadsheets (GB18030) turned into the UTF-8 the program reads.
#include "cli/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <vector>
#endif

namespace cli {

#ifdef _WIN32

std::optional<std::string> utf8FromGb18030(std::string_view text)
{
    if (text.empty()) return std::string();
    constexpr UINT kGb18030 = 54936;
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(kGb18030, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (wide <= 0) return std::nullopt;
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(kGb18030, MB_ERR_INVALID_CHARS, text.data(), length, utf16.data(), wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

#else

std::optional<std::string> utf8FromGb18030(std::string_view text)
{
    iconv_t converter = iconv_open("UTF-8", "GB18030");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> input(text.begin(), text.end());
    std::string utf8;
    char* in = input.data();
    std::size_t inLeft = input.size();
    char buffer[4096];
    bool valid = true;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            valid = false; // an invalid or cut-off sequence
            break;
        }
    }
    iconv_close(converter);
    if (!valid) return std::nullopt;
    return utf8;
}

#endif

} // namespace cli
