// ntc-beta-cli: text from Chinese spreadsheets (GB18030) turned into the UTF-8 the program reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The GB18030 text (code page 54936, the encoding Chinese Excel saves CSV
// in) as UTF-8; std::nullopt when it is not valid GB18030. Through the C
// library's iconv on Linux and MultiByteToWideChar on Windows: both carry
// the standard's full mapping, which no short table here could.
std::optional<std::string> utf8FromGb18030(std::string_view text);

} // namespace cli
