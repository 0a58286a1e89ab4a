// ntc-beta: telling the user when a field's number was read only in part.
#pragma once

#include "ui/form_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// After a calculation, the hint a field shows when reading its text stopped
// before something that changes what the user meant. `field` says what the
// text holds: a resistance (Text1, Text2) or a temperature (Text3, Text4,
// holdsTemperature); `check` is Check1's value (0 clear:
// degrees Celsius; 1 ticked or 2 greyed: kelvin), as the evaluation takes it.
// The rest after the number (blanks skipped, full-width forms read as ASCII)
// marks the field when it starts with
//   - a decimal comma or any other unit followed by a digit ("25,5", "4R7",
//     "1.5.2"): "读取为 25，忽略了“,5”；小数点请用“.”";
//   - an SI prefix k K M m G µ μ u n p ("10k", "4.7kΩ"; on a temperature K is
//     kelvin, not kilo): "读取为 10，忽略了“k”；前缀不参与换算，请写完整数值";
//   - a temperature unit the check box contradicts: K, K, °K or "kelvin" with
//     the box clear, °C, ℃, C or "摄氏" with it ticked, and °F, ℉, F or "华氏"
//     always: "读取为 298.15，忽略了“K”；未勾选“使用绝对温度”，按摄氏度计算".
// The ignored part is shown cut to 16 characters with "…".
// No hint (nullopt) when the whole text was read, when no number starts, when
// the number overflows, or when the rest leaves the value as meant ("25°C"
// with the box clear, "298.15 K" with it ticked, "680Ω", "25 度").
// Never throws but for memory.
std::optional<std::u16string> fieldHint(FieldId field, std::u16string_view text, std::int16_t check);

// The hint as one line that names its field by the symbol the field stands
// for in the formula (R1, R2, T1, T2): "R1：读取为 10，忽略了“k”；…", for a
// note outside the field or a screen reader's announcement after the result.
// Empty for an empty hint.
std::u16string hintNote(FieldId field, std::u16string_view hint);

// The mark a field with a hint shows: a red triangle of this many pixels (at
// 96 dpi) in its top right corner, drawn readable on the field's ground
// (readableColour in contrast.h).
inline constexpr int kHintMarkSize = 7;
inline constexpr std::uint32_t kHintMarkColour = 0x0000D0; // 0x00BBGGRR

} // namespace ui
