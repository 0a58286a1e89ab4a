// ntc-beta: the core's UTF-16 texts as Windows' wide strings and back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ui::win32 {

// wchar_t is UTF-16 on Windows: the same units, another type.
inline std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// A window's text (a field's, a label's), whatever its length.
inline std::u16string windowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(std::size_t(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    return std::u16string(text.begin(), text.begin() + (copied > 0 ? copied : 0));
}

} // namespace ui::win32
