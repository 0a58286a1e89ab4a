// ntc-beta: the tooltips of the Windows window.
#include "ui/win32/tool_tips.h"

#include "ui/win32/text.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {
// Long hints wrap at this width in pixels instead of running off the screen.
constexpr LPARAM kWidestTip = 400;

TOOLINFOW toolOf(HWND owner, HWND control, UINT flags, wchar_t* text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

} // namespace

void ToolTips::create(HWND owner, HINSTANCE instance, std::span<const HWND> controls)
{
    owner_ = owner;
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance,
                              nullptr);
    SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, kWidestTip);
    wchar_t none[] = L"";
    for (HWND control : controls) {
        TOOLINFOW tool = toolOf(owner, control, TTF_IDISHWND | TTF_SUBCLASS, none);
        SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void ToolTips::set(HWND control, std::u16string_view text)
{
    if (!window_) return;
    std::wstring wideText = wide(text);
    TOOLINFOW tool = toolOf(owner_, control, TTF_IDISHWND, wideText.data());
    SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace ui::win32
