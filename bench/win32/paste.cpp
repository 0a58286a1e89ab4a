// ntc-beta benchmarks: how long a long paste into a field takes, in the
// program's window (Text1) and in a bare Edit control of the same style in
// a bare window, so what the program adds can be told from what the
// control costs by itself.
//   paste.exe program|bare DIGITS...   (prints one line per length)
#include "ui/win32/form1.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

void pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void putOnClipboard(HWND owner, const std::wstring& text)
{
    OpenClipboard(owner);
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

struct PasteTime {
    double paste; // WM_PASTE until the control returns
    double paint; // from there until the window is painted and idle
};

// Pastes `digits` digits into an empty `field` and paints it.
PasteTime timePaste(HWND window, HWND field, std::size_t digits)
{
    SetWindowTextW(field, L"");
    pump();
    std::wstring text(digits, L'0');
    for (std::size_t i = 0; i < digits; ++i) text[i] = wchar_t(L'0' + i % 10);
    putOnClipboard(window, text);
    SetFocus(field);
    pump();
    LARGE_INTEGER start, pasted, painted;
    QueryPerformanceCounter(&start);
    SendMessageW(field, WM_PASTE, 0, 0);
    QueryPerformanceCounter(&pasted);
    UpdateWindow(window);
    pump();
    QueryPerformanceCounter(&painted);
    if (std::size_t(GetWindowTextLengthW(field)) != digits) std::fprintf(stderr, "paste lost digits\n");
    return {milliseconds(start, pasted), milliseconds(pasted, painted)};
}

// The bare floor: a plain window and one Edit control of the fields' style,
// size (975 × 375 twips), font (宋体 9 pt, its bitmaps) and unlimited
// length at 96 dpi; the program's manifest makes both the themed version 6
// of the control.
HWND bareField(HINSTANCE instance, HWND& window)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"NtcBetaPasteFloor";
    RegisterClassExW(&wc);
    window = CreateWindowExW(0, wc.lpszClassName, L"paste", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 440, 260,
                             nullptr, nullptr, instance, nullptr);
    HWND field = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, 112, 32, 65, 25,
                                 window, nullptr, instance, nullptr);
    SendMessageW(field, EM_SETLIMITTEXT, 0, 0);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return field;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: paste program|bare DIGITS...\n");
        return 2;
    }
    const bool program = std::string(argv[1]) == "program";
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ui::win32::Form1* form = nullptr;
    HWND window = nullptr;
    HWND field = nullptr;
    if (program) {
        form = new ui::win32::Form1(instance);
        form->showCentred();
        window = form->hwnd();
        field = form->control(ui::ControlId::Text1);
    } else {
        field = bareField(instance, window);
    }
    pump();
    for (int i = 2; i < argc; ++i) {
        const std::size_t digits = std::strtoull(argv[i], nullptr, 10);
        const PasteTime time = timePaste(window, field, digits);
        std::printf("%s %zu digits: paste %.0f ms, paint %.0f ms\n", argv[1], digits, time.paste, time.paint);
        std::fflush(stdout);
    }
    delete form;
    return 0;
}
