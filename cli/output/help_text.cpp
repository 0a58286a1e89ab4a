// ntc-beta-cli: help text laid out for an 80-column terminal, Chinese characters two columns wide.
#include "cli/output/help_text.h"

#include "cli/input/text_encoding.h"

#include <array>
#include <utility>
#include <vector>

namespace cli {

namespace {

// East Asian Wide and Full-width ranges (Unicode's EastAsianWidth.txt, W
// and F), as far as help and messages can hold them.
constexpr std::array<std::pair<char32_t, char32_t>, 11> kWide{{
    {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6},
}};

// Punctuation a line may not start with, and punctuation it may not end with.
constexpr std::u32string_view kClosing = U"，。、；：！？）」』】〕”’》〉…％,.;:!?)]}";
constexpr std::u32string_view kOpening = U"（「『【〔“‘《〈([{";

bool isWide(char32_t c)
{
    if (c >= 0x20000 && c <= 0x3FFFD) return true;
    for (const auto& [low, high] : kWide)
        if (c >= low && c <= high) return true;
    return false;
}

// The code point at `at` and its length in bytes; a byte that starts no
// UTF-8 sequence stands for itself.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t at)
{
    const std::size_t length = utf8SequenceLength(text, at);
    const auto byte = static_cast<unsigned char>(text[at]);
    if (length <= 1) return {byte, 1};
    char32_t c = byte & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) c = c << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return {c, length};
}

// A piece of a line that is never broken, and whether a blank stood before it.
struct Piece {
    std::string text;
    std::size_t width = 0;
    bool afterBlank = false;
};

std::vector<Piece> piecesOf(std::string_view line)
{
    std::vector<Piece> pieces;
    bool blank = false;
    char32_t previous = 0;
    for (std::size_t at = 0; at < line.size();) {
        const auto [c, length] = codePointAt(line, at);
        if (c == U' ') {
            blank = true;
            previous = c;
            at += length;
            continue;
        }
        const bool breakable = previous != 0 && (isWide(c) || isWide(previous)) &&
                               kClosing.find(c) == std::u32string_view::npos &&
                               kOpening.find(previous) == std::u32string_view::npos;
        if (pieces.empty() || blank || breakable) pieces.push_back({"", 0, blank});
        pieces.back().text.append(line.substr(at, length));
        pieces.back().width += isWide(c) ? 2 : 1;
        blank = false;
        previous = c;
        at += length;
    }
    return pieces;
}

void wrapLine(std::string_view line, std::size_t width, std::string& out)
{
    std::size_t used = 0;
    bool first = true;
    for (const Piece& piece : piecesOf(line)) {
        const std::size_t gap = piece.afterBlank && !first ? 1 : 0;
        if (!first && used + gap + piece.width > width) {
            out += '\n';
            used = 0;
        } else if (gap) {
            out += ' ';
            used += 1;
        }
        out += piece.text;
        used += piece.width;
        first = false;
    }
}

} // namespace

std::size_t displayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto [c, length] = codePointAt(text, at);
        width += isWide(c) ? 2 : 1;
        at += length;
    }
    return width;
}

std::string wrapText(std::string_view text, std::size_t width)
{
    std::string out;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        wrapLine(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start), width, out);
        if (end == std::string_view::npos) break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

} // namespace cli
