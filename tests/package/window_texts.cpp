// Prints the texts of a visible window whose title holds TITLE and of every
// control in it, one a line, in UTF-8: what the user reads on an installer
// page. Waits up to SECONDS for such a window; exit status 1 when none came.
// With "cancel", then clicks the window's Cancel (IDCANCEL), as a user would
// to leave an installer.
//   window_texts.exe TITLE SECONDS [cancel]
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    HWND found = nullptr;
};

std::wstring textOf(HWND window)
{
    wchar_t text[1024] = L"";
    return std::wstring(text, std::size_t(GetWindowTextW(window, text, 1024)));
}

BOOL CALLBACK findWindow(HWND window, LPARAM search)
{
    auto* s = reinterpret_cast<Search*>(search);
    if (!IsWindowVisible(window) || textOf(window).find(s->title) == std::wstring::npos) return TRUE;
    s->found = window;
    return FALSE;
}

void print(const std::wstring& text)
{
    const std::wstring line = text + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), utf8.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), DWORD(utf8.size()), &written, nullptr);
}

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    if (IsWindowVisible(control)) print(textOf(control));
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 && argc != 4) return 2;
    Search search{argv[1]};
    for (int tenths = 0; tenths < 10 * _wtoi(argv[2]) && !search.found; ++tenths) {
        EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(100);
    }
    if (!search.found) return 1;
    Sleep(500); // the page's texts are set once it shows
    print(textOf(search.found));
    EnumChildWindows(search.found, printControl, 0);
    if (argc == 4 && std::wcscmp(argv[3], L"cancel") == 0) PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    return 0;
}
