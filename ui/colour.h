// ntc-beta: the colour type every part of the window shares.
#pragma once

#include <cstdint>

namespace ui {

// Colours are 24-bit 0x00BBGGRR values: red in the low byte, as Windows'
// COLORREF has them.
using Bgr = std::uint32_t;
constexpr int redOf(Bgr colour) { return int(colour & 0xFF); }
constexpr int greenOf(Bgr colour) { return int((colour >> 8) & 0xFF); }
constexpr int blueOf(Bgr colour) { return int((colour >> 16) & 0xFF); }
constexpr Bgr bgr(int red, int green, int blue) { return Bgr(red) | Bgr(green) << 8 | Bgr(blue) << 16; }

} // namespace ui
