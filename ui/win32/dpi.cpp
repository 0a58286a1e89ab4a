// ntc-beta: the window's dots per inch on every supported Windows.
#include "ui/win32/dpi.h"
#include "ui/win32/system_library.h"

namespace ui::win32 {

namespace {

// A function of `module` by name, or nullptr where this Windows lacks it.
template <typename Function>
Function* lookUp(HMODULE module, const char* name)
{
    // GetProcAddress hands every export back as one generic pointer type.
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// user32.dll is loaded with the program (an import); shcore.dll, on Windows
// 8.1 only, when first asked for, and from the system folder alone.
template <typename Function>
Function* lookUpInUser32(const char* name)
{
    return lookUp<Function>(GetModuleHandleW(L"user32.dll"), name);
}

using GetDpiForWindowFunction = UINT WINAPI(HWND);
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
using AdjustWindowRectExForDpiFunction = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFunction = int WINAPI(int, UINT);

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

int dpiOfWindow(HWND window)
{
    static auto* const forWindow = lookUpInUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (forWindow) return int(forWindow(window));
    static auto* const forMonitor =
        lookUp<GetDpiForMonitorFunction>(loadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    if (forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)))
        return int(x);
    return systemDpi();
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi)
{
    static auto* const forDpi = lookUpInUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi) forDpi(&rect, style, FALSE, exStyle, UINT(dpi));
    else AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int systemMetricForDpi(int index, int dpi)
{
    static auto* const forDpi = lookUpInUser32<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, UINT(dpi)) : MulDiv(GetSystemMetrics(index), dpi, systemDpi());
}

} // namespace ui::win32
