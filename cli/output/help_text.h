// ntc-beta-cli: help text laid out for an 80-column terminal, Chinese characters two columns wide.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// The columns a terminal gives the UTF-8 text: two for each wide or
// full-width character (CJK ideographs and punctuation, full-width forms,
// Hangul), one for any other character; a byte that is no UTF-8 counts
// one. Ambiguous-width characters (° Ω “ ”) count one, as they are in a
// Western or UTF-8 locale.
std::size_t displayWidth(std::string_view text);

// The text broken into lines of at most `width` columns: at blanks, and
// between two wide characters (never before closing punctuation such as
// "，" or "）", nor after opening punctuation such as "（"). Line ends in the
// text stay; a word longer than a line stands on a line of its own.
std::string wrapText(std::string_view text, std::size_t width);

} // namespace cli
