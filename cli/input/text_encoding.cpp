// ntc-beta-cli: telling UTF-8 text from what a spreadsheet may have saved instead, and reading GB18030.
#include "cli/input/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <vector>
#endif

namespace cli {

namespace {

unsigned byteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

bool isContinuation(unsigned byte) { return (byte & 0xC0) == 0x80; }

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at)
{
    const unsigned lead = byteAt(text, at);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4                       ? 4
                                                                                    : 0;
    if (length == 0 || at + length > text.size()) return 0;
    unsigned codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byteAt(text, at + i))) return 0;
        codePoint = codePoint << 6 | (byteAt(text, at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return overlong || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

bool looksLikeGb18030(std::string_view text)
{
    const auto isLead = [](unsigned b) { return b >= 0x81 && b <= 0xFE; };
    const auto isDigit = [](unsigned b) { return b >= 0x30 && b <= 0x39; };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned lead = byteAt(text, i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (!isLead(lead) || i + 1 >= text.size()) return false;
        const unsigned second = byteAt(text, i + 1);
        if (isDigit(second)) {
            if (i + 3 >= text.size() || !isLead(byteAt(text, i + 2)) || !isDigit(byteAt(text, i + 3))) return false;
            i += 4;
        } else {
            if (second < 0x40 || second == 0x7F || second == 0xFF) return false;
            i += 2;
        }
    }
    return true;
}

bool looksLikeUtf16(std::string_view text)
{
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
           text.find('\0') != std::string_view::npos;
}

#ifdef _WIN32

namespace {

// Whether the GB18030 text holds a four-byte sequence (a second byte
// 0x30-0x39): the part GBK, code page 936, lacks.
bool hasFourByteSequence(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); i += byteAt(text, i) < 0x80 ? 1 : 2)
        if (byteAt(text, i) >= 0x80 && i + 1 < text.size() && byteAt(text, i + 1) >= 0x30 && byteAt(text, i + 1) <= 0x39)
            return true;
    return false;
}

std::optional<std::wstring> utf16From(UINT codePage, std::string_view text)
{
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (wide <= 0) return std::nullopt;
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, utf16.data(), wide);
    return utf16;
}

// `utf16` in the code page; std::nullopt when a character has no form there.
std::optional<std::string> encodedIn(UINT codePage, const std::wstring& utf16)
{
    const int wide = static_cast<int>(utf16.size());
    BOOL lost = FALSE;
    BOOL* lostFlag = codePage == CP_UTF8 ? nullptr : &lost;
    const int bytes = WideCharToMultiByte(codePage, 0, utf16.data(), wide, nullptr, 0, nullptr, lostFlag);
    if (bytes <= 0 || lost) return std::nullopt;
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, utf16.data(), wide, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace

std::optional<std::string> utf8FromGb18030(std::string_view text)
{
    if (text.empty()) return std::string();
    // Windows has code page 54936 since XP; Wine 8 has only its GBK part,
    // 936, which reads every two-byte character a spreadsheet of readings
    // holds. Four-byte sequences need 54936.
    constexpr UINT kGb18030 = 54936, kGbk = 936;
    const bool full = IsValidCodePage(kGb18030);
    if (!full && hasFourByteSequence(text)) return std::nullopt;
    const auto utf16 = utf16From(full ? kGb18030 : kGbk, text);
    if (!utf16) return std::nullopt;
    return encodedIn(CP_UTF8, *utf16);
}

std::optional<std::string> gb18030FromUtf8(std::string_view text)
{
    if (text.empty()) return std::string();
    constexpr UINT kGb18030 = 54936, kGbk = 936;
    const auto utf16 = utf16From(CP_UTF8, text);
    if (!utf16) return std::nullopt;
    // WideCharToMultiByte takes no lost-character flag for 54936, which
    // holds every character; GBK (936, Wine's) reports what it lacks.
    if (IsValidCodePage(kGb18030)) {
        const int wide = static_cast<int>(utf16->size());
        const int bytes = WideCharToMultiByte(kGb18030, 0, utf16->data(), wide, nullptr, 0, nullptr, nullptr);
        if (bytes <= 0) return std::nullopt;
        std::string gb(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(kGb18030, 0, utf16->data(), wide, gb.data(), bytes, nullptr, nullptr);
        return gb;
    }
    return encodedIn(kGbk, *utf16);
}

#else

namespace {

// `text` from one encoding to another through iconv; std::nullopt for an
// invalid or cut-off sequence.
std::optional<std::string> converted(const char* to, const char* from, std::string_view text)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> input(text.begin(), text.end());
    std::string result;
    char* in = input.data();
    std::size_t inLeft = input.size();
    char buffer[4096];
    bool valid = true;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            valid = false; // an invalid or cut-off sequence
            break;
        }
    }
    iconv_close(converter);
    if (!valid) return std::nullopt;
    return result;
}

} // namespace

std::optional<std::string> utf8FromGb18030(std::string_view text)
{
    return converted("UTF-8", "GB18030", text);
}

std::optional<std::string> gb18030FromUtf8(std::string_view text)
{
    return converted("GB18030", "UTF-8", text);
}

#endif

} // namespace cli
