// ntc-beta-cli: telling UTF-8 text from what a spreadsheet may have saved instead.
#pragma once

#include <cstddef>
#include <string_view>

namespace cli {

// The length in bytes of the well-formed UTF-8 sequence that starts at
// `text[at]` (1 to 4), or 0 when none does: a stray continuation byte, a
// cut sequence, an overlong form, a surrogate or a code point above U+10FFFF.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// Whether the whole text is well-formed UTF-8.
bool isUtf8(std::string_view text);

// Whether text that is not UTF-8 reads as GB18030 (GBK's superset, which a
// Chinese Excel writes its CSV in): every byte above 0x7F starts a two-byte
// pair (lead 0x81-0xFE, trail 0x40-0xFE but 0x7F) or a four-byte sequence
// (lead, 0x30-0x39, lead, 0x30-0x39).
bool looksLikeGb18030(std::string_view text);

// Whether a line read up to its 0x0A byte is UTF-16: it starts with a byte
// order mark (FF FE or FE FF) or holds a NUL byte, which UTF-8 text never does.
bool looksLikeUtf16(std::string_view text);

} // namespace cli
