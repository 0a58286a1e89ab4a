// ntc-beta-cli: telling UTF-8 text from what a spreadsheet may have saved instead.
#include "cli/text_encoding.h"

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

} // namespace cli
