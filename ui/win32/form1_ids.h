// ntc-beta: how the Win32 window's own files tell its controls apart.
#pragma once

#include "ui/form_layout.h"

#include <windows.h>

namespace ui::win32 {

// A control's command id (its child window's id) is this plus its
// ControlId, which is also its place in Form1's controls_.
inline constexpr int kFirstControlId = 100;
inline constexpr UINT_PTR kAfterFirstFrameTimer = 1;

constexpr std::size_t indexOf(ControlId control) { return std::size_t(control); }

inline constexpr std::size_t kResult = indexOf(kResultLabel);

} // namespace ui::win32
