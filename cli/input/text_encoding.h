// ntc-beta-cli: telling UTF-8 text from what a spreadsheet may have saved instead, and reading GB18030.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
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

// The GB18030 text (code page 54936, the encoding Chinese Excel saves CSV
// in) as UTF-8; std::nullopt when it is not valid GB18030. Through the C
// library's iconv on Linux and MultiByteToWideChar on Windows: both carry
// the standard's full mapping, which no short table here could.
std::optional<std::string> utf8FromGb18030(std::string_view text);

// UTF-8 text as GB18030, the other way; std::nullopt when it is not valid
// UTF-8 (or, under a Windows without code page 54936, holds a character
// GBK lacks).
std::optional<std::string> gb18030FromUtf8(std::string_view text);

} // namespace cli
