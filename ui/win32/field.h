// ntc-beta: an entry field of the Windows window and its hint mark.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Makes a standard Edit control one of the window's fields: it takes texts
// of any length (a single-line Edit stops at 30,000 characters otherwise)
// and paints the hint mark over itself while it has one.
void makeField(HWND edit);

// Shows or removes the red corner mark of a field with a hint (field_hint.h),
// kHintMarkSize pixels at 100 %, in a red that reads on the field's ground.
void showHintMark(HWND field, bool shown);

} // namespace ui::win32
