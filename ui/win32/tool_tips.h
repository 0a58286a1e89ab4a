// ntc-beta: the tooltips of the Windows window.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace ui::win32 {

// One tooltip window for the controls that have tips (the result's full
// value, the fields' hints); it belongs to the window that owns it.
class ToolTips {
public:
    // Creates the tooltip window for `owner`, with a tool for each of
    // `controls`, all without a text (which shows no tip).
    void create(HWND owner, HINSTANCE instance, std::span<const HWND> controls);

    // A control's tip; an empty text shows none.
    void set(HWND control, std::u16string_view text);

    HWND hwnd() const { return window_; }

private:
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace ui::win32
