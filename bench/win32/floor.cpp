// ntc-beta benchmarks: the floor the Windows program's start-up is measured
// against, what a bare Win32 window costs: the same size and title, one
// label "填入数值" in 宋体 21 pt, and a message loop. Built a second time as
// floor_controls, with the program's manifest and the six controls that take
// the focus (four empty Edit fields, the button, the check box) in 宋体 9 pt,
// to show what those alone cost.
#include <windows.h>

namespace {

LRESULT CALLBACK floorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = floorProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"NtcBetaFloor";
    RegisterClassExW(&wc);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    RECT frame{0, 0, 408, 213};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"NTC电阻B值计算", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    HWND label = CreateWindowExW(0, L"Static", L"填入数值", WS_CHILD | WS_VISIBLE | SS_LEFT, 216, 88, 185, 49, hwnd,
                                 nullptr, instance, nullptr);
    HFONT font = CreateFontW(-28, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
#ifdef FLOOR_WITH_CONTROLS
    HFONT small = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    struct Control {
        const wchar_t* cls;
        const wchar_t* text;
        DWORD style, exStyle;
        RECT box; // left, top, width, height
    };
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    constexpr DWORD field = child | ES_AUTOHSCROLL;
    const Control controls[] = {
        {L"Edit", L"", field, WS_EX_CLIENTEDGE, {112, 32, 65, 25}},
        {L"Edit", L"", field, WS_EX_CLIENTEDGE, {112, 72, 65, 25}},
        {L"Edit", L"", field, WS_EX_CLIENTEDGE, {80, 144, 49, 25}},
        {L"Edit", L"", field, WS_EX_CLIENTEDGE, {152, 144, 57, 25}},
        {L"Button", L"计算", child | BS_PUSHBUTTON, 0, {256, 152, 129, 49}},
        {L"Button", L"使用绝对温度", child | BS_AUTOCHECKBOX, 0, {88, 176, 97, 25}},
    };
    for (const Control& c : controls) {
        HWND control = CreateWindowExW(c.exStyle, c.cls, c.text, c.style, c.box.left, c.box.top, c.box.right,
                                       c.box.bottom, hwnd, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(small), FALSE);
    }
#endif
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
#ifdef FLOOR_WITH_CONTROLS
    DeleteObject(small);
#endif
    return 0;
}
