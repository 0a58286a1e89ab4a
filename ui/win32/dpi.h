// ntc-beta: the window's dots per inch on every supported Windows.
#pragma once

#include <windows.h>

namespace ui::win32 {

// The per-monitor functions (Windows 10 1607 and later) are looked up when
// first needed, so the program loads on Windows 7 SP1 and 8.1 as well; where
// one is missing, the answer comes from what that Windows has.

// The dpi `window` is shown at: its own (Windows 10), its monitor's
// (Windows 8.1), else the system's (Windows 7, one dpi for every monitor).
int dpiOfWindow(HWND window);

// AdjustWindowRectExForDpi where it exists; before Windows 10 frames are
// drawn at the system dpi whatever the window's, and AdjustWindowRectEx
// gives them.
void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

// GetSystemMetricsForDpi where it exists, else the system-dpi metric scaled
// to `dpi`.
int systemMetricForDpi(int index, int dpi);

} // namespace ui::win32
