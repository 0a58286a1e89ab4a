// ntc-beta: telling the user when a field's number was read only in part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// After a calculation, the hint a field shows when reading its text stopped
// right before more digits, which is how a decimal comma or a unit letter
// inside a number reads: "25,5" reads 25, "1 000,5" reads 1000, "10k5" reads
// 10. The text stopped at, after any blanks, must be one character that is
// not a digit followed by a digit (ASCII or full-width). The hint names the
// number read and the part ignored (cut to 16 characters with "…"):
//   "读取为 25，忽略了“,5”；小数点请用“.”"
// No hint (nullopt) when the whole text was read, when no number starts,
// when what follows is no digit ("25 °C") or when the number overflows.
// Never throws but for memory.
std::optional<std::u16string> fieldHint(std::u16string_view text);

// The mark a field with a hint shows: a red triangle of this many pixels (at
// 96 dpi) in its top right corner, drawn readable on the field's ground
// (readableColour in contrast.h).
inline constexpr int kHintMarkSize = 7;
inline constexpr std::uint32_t kHintMarkColour = 0x0000D0; // 0x00BBGGRR

} // namespace ui
