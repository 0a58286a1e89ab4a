// ntc-beta: an entry field of the Windows window and its hint mark.
#pragma once

#include <windows.h>

#include <optional>

namespace ui::win32 {

// Makes a standard Edit control one of the window's fields: it takes texts
// of any length (a single-line Edit stops at 30,000 characters otherwise)
// and paints the hint mark over itself while it has one.
void makeField(HWND edit);

// Shows the corner mark of a field with a hint (field_hint.h), kHintMarkSize
// pixels at 100 %, in `mark`; removes it where `mark` is none.
void showHintMark(HWND field, std::optional<COLORREF> mark);

} // namespace ui::win32
