// ntc-beta: the window's two actions, as the result label's next state.
#pragma once

#include "ui/colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

inline constexpr std::u16string_view kThanksText = u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko";

// The result label's context menu: copy what it shows, copy B in full. The
// letters after "&" are the entries' access keys (C, F), as both toolkits
// mark them.
inline constexpr std::u16string_view kCopyShown = u"复制(&C)";
inline constexpr std::u16string_view kCopyFullValue = u"复制完整数值(&F)";

// What the result label (kResultLabel) shows: its text, its size in points (the
// face stays the Song face) and its text colour, where no colour means the
// system's default text colour (see contrast.h for drawing it readably).
// A calculated B also carries its full value, "3984.01296410608", which the
// context menu copies, and the tooltip "B25/85 = 3984.01296410608 K"; both
// are empty for every other state, which has no tooltip.
struct ResultState {
    std::u16string text;
    double pointSize = 21;
    std::optional<Bgr> colour;
    std::u16string fullValue;
    std::u16string toolTip;
};

// What "复制" puts on the clipboard for a shown text: the text without its
// leading blank (" 3984.01" gives "3984.01"; "-3415.64" stays).
std::u16string copiedText(std::u16string_view shown);

// Before either action: "填入数值" at 21 points in the default colour.
ResultState startState();

// A click on Command1: the evaluation of the four field texts (Text1…Text4)
// and Check1's value (0 clear, 1 ticked, 2 greyed), at 21 points in black:
// the B value cut to 8 characters (with its full value and tooltip, temperatures
// named in °C), "请填入数值" or "输入数值无效". Never
// throws: whatever fails on the way (even memory) ends in "输入数值无效".
ResultState calculate(std::u16string_view text1, std::u16string_view text2, std::u16string_view text3,
                      std::u16string_view text4, std::int16_t check) noexcept;

// What a click on Command1 shows when the front end itself fails on the way
// (reading a field, setting the font): "输入数值无效" at 21 points in black.
ResultState calculationFailed() noexcept;

// A click on Image1: the thanks text at 11 points in dark red (0x000080).
ResultState thanks();

} // namespace ui
