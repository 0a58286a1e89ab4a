// A DLL planted beside a test program under a system DLL's name: what an
// attacker would leave in a Downloads folder. It answers GetDpiForMonitor
// as shcore.dll does, with a dpi no monitor has.
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT WINAPI GetDpiForMonitor(HMONITOR, int, UINT* x, UINT* y)
{
    *x = *y = 777;
    return S_OK;
}
