// ntc-beta: the program's one window, in plain Win32: its messages, each
// handled by one small function that hands the event to the controller.
#include "ui/win32/form1.h"

#include "ui/actions.h"
#include "ui/contrast.h"
#include "ui/form_layout.h"
#include "ui/win32/form1_ids.h"
#include "ui/win32/text.h"

#include <windowsx.h>

#include <algorithm>

namespace ui::win32 {

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: onPaint(); return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DRAWITEM:
        if (onDrawItem(wParam, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CONTEXTMENU:
        if (onContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
        break;
    case WM_GETMINMAXINFO: onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_TIMER:
        if (onTimer(wParam)) return 0;
        break;
    case WM_DPICHANGED: onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: InvalidateRect(hwnd_, nullptr, TRUE); break;
    case WM_DESTROY: onDestroy(); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The lines of the formula: one pixel at 100 %, and as wide as the scale
// makes a pixel beyond it; and in the first frame the labels' texts.
void Form1::onPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    const int thickness = std::max(1, dpi_ / 96);
    for (const LineSpec& line : lines()) {
        const int top = pixels(line.y1, dpi_);
        const RECT bar{pixels(line.x1, dpi_), top, pixels(line.x2, dpi_), top + thickness};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    if (!firstFrameShown_) paintLabels(dc);
    EndPaint(hwnd_, &ps);
}

// COLORREF is 0x00BBGGRR as well. The result keeps its colour where it
// reads; on a dark or high-contrast face it takes one that does.
COLORREF Form1::labelColour(std::size_t label) const
{
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    return label == kResult ? shownColour(controller_.result(), GetSysColor(COLOR_BTNFACE), text) : text;
}

// Labels draw on the window's face without a background of their own, so
// the fraction bar under the box of "Ln(" stays visible, as in the formula.
HBRUSH Form1::onCtlColorStatic(HDC dc, HWND child)
{
    const auto found = std::find(controls_.begin(), controls_.end(), child);
    if (!child || found == controls_.end()) return nullptr;
    const std::size_t i = std::size_t(found - controls_.begin());
    if (controls()[i].kind != ControlKind::label) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    SetTextColor(dc, labelColour(i));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool Form1::onDrawItem(WPARAM id, const DRAWITEMSTRUCT& item)
{
    if (id != kFirstControlId + kImage1) return false;
    picture_.draw(item, dpi_);
    return true;
}

void Form1::onCommand(int id, int notification)
{
    switch (id) {
    case copyShown: controller_.copyShownClicked(); break;
    case copyFullValue: controller_.copyFullValueClicked(); break;
    case IDOK:
        // Enter while the button has the focus presses it; Enter in a field
        // does nothing, the button is not the window's default.
        if (GetFocus() == controls_[kCommand1] && pressedByEnter(controls()[kCommand1])) controller_.calculateClicked();
        break;
    default: controlCommand(std::size_t(id - kFirstControlId), notification); break;
    }
}

void Form1::controlCommand(std::size_t index, int notification)
{
    if (index >= controls_.size()) return;
    if (notification == EN_CHANGE) {
        if (const std::optional<FieldId> field = fieldNamed(controls()[index].name)) controller_.fieldEdited(*field);
    } else if (index == kCommand1 && notification == BN_CLICKED) {
        controller_.calculateClicked();
    } else if (index == kImage1 && (notification == STN_CLICKED || notification == STN_DBLCLK)) {
        // The second click of a double click is a click as well.
        controller_.pictureClicked();
    }
}

// The result's menu, at the mouse on the result or, from the keyboard (-1,
// the Menu key or Shift+F10 wherever the focus is but in a field, which
// opens its own menu), at the result's corner.
bool Form1::onContextMenu(HWND target, LPARAM at)
{
    const bool keyboard = at == -1;
    HWND result = controls_[kResult];
    if (target != result && !(keyboard && FormController::menuKeyOpensResultMenu(isField(target)))) return false;
    POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (keyboard) {
        screen = {0, 0};
        ClientToScreen(result, &screen);
    }
    resultContextMenu(screen);
    return true;
}

// The frame can be dragged no smaller than the described client area.
void Form1::onGetMinMaxInfo(MINMAXINFO& limits) const
{
    const SIZE frame = frameSize();
    limits.ptMinTrackSize = {frame.cx, frame.cy};
}

void Form1::resultContextMenu(POINT screen)
{
    HMENU menu = CreatePopupMenu();
    const std::wstring shown = wide(kCopyShown);
    const std::wstring full = wide(kCopyFullValue);
    AppendMenuW(menu, MF_STRING, copyShown, shown.c_str());
    AppendMenuW(menu, MF_STRING | (controller_.fullValueShown() ? 0u : MF_GRAYED), copyFullValue, full.c_str());
    // The chosen entry comes back as a WM_COMMAND, like any menu's.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

bool Form1::onTimer(WPARAM timer)
{
    if (timer != kAfterFirstFrameTimer) return false;
    afterFirstFrame();
    return true;
}

// Moved to a monitor of another scale: laid out again at its dpi, in the
// frame Windows suggests.
void Form1::onDpiChanged(int dpi, const RECT& frame)
{
    applyDpi(dpi);
    if (firstFrameShown_) loadIcons(dpi);
    SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::onDestroy()
{
    if (quitOnDestroy_) PostQuitMessage(0);
}

int runMessageLoop(Form1& form)
{
    form.quitOnDestroy();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.translateDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

} // namespace ui::win32
