// ntc-beta: the program's one window, in plain Win32: its messages, each
// handled by one small function that hands the event to the controller.
#include "ui/win32/form1.h"

#include "ui/form_layout.h"
#include "ui/win32/form1_ids.h"
#include "ui/win32/text.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

namespace ui::win32 {

namespace {

bool keyDown(int key) { return GetKeyState(key) < 0; }

Key keyOf(WPARAM virtualKey)
{
    switch (virtualKey) {
    case 'C': return Key::c;
    case VK_INSERT: return Key::insert;
    case VK_RETURN: return Key::enter; // the keypad's Enter too
    case VK_F10: return Key::f10;
    default: return Key::other;
    }
}

// A key message as the controller reads it. The Menu key counts as it is
// released, when Windows opens context menus; not every system turns it
// into WM_CONTEXTMENU for a button (Wine does not), so the window reads it
// itself. F10 comes as a system key.
std::optional<KeyChord> chordOf(const MSG& message)
{
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    Key key = keyOf(message.wParam);
    if (message.wParam == VK_APPS) {
        if (message.message != WM_KEYUP) return std::nullopt;
        key = Key::menu;
    } else if (!down) {
        return std::nullopt;
    }
    const bool repeat = down && (message.lParam & (1 << 30)) != 0; // the key was down before
    return KeyChord{key, keyDown(VK_CONTROL), keyDown(VK_SHIFT), keyDown(VK_MENU), keyDown(VK_LWIN) || keyDown(VK_RWIN),
                    repeat};
}

} // namespace

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
    case WM_SETTINGCHANGE:
        send(ControlId::Form1, Event::schemeChange());
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
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

// COLORREF is 0x00BBGGRR as well: the result in the colour the controller
// gave it (readable on the face), every other label in the face's text
// colour.
COLORREF Form1::labelColour(ControlId label) const
{
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    return label == kResultLabel ? resultColour_.value_or(text) : text;
}

// Labels draw on the window's face without a background of their own, so
// the fraction bar under the box of "Ln(" stays visible, as in the formula.
HBRUSH Form1::onCtlColorStatic(HDC dc, HWND child)
{
    const std::optional<ControlId> id = idOf(child);
    if (!id || *id == ControlId::Form1) return nullptr;
    if (ui::control(*id).kind != ControlKind::label) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    SetTextColor(dc, labelColour(*id));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool Form1::onDrawItem(WPARAM id, const DRAWITEMSTRUCT& item)
{
    if (id != kFirstControlId + indexOf(ControlId::Image1)) return false;
    picture_.draw(item, dpi_);
    return true;
}

// The controls' notifications and the result menu's entries as the
// controller's events.
void Form1::onCommand(int id, int notification)
{
    if (id == menuCommand(MenuEntry::copyShown) || id == menuCommand(MenuEntry::copyFullValue)) {
        send(kResultLabel, Event::menuChoice(MenuEntry(id - kFirstMenuCommand)));
        return;
    }
    if (id < kFirstControlId || id >= kFirstControlId + int(kControlCount)) return;
    const auto control = ControlId(id - kFirstControlId);
    // A static control's second click of a double click is a click as well.
    const bool isStatic = ui::control(control).kind == ControlKind::label || ui::control(control).kind == ControlKind::picture;
    if (notification == EN_CHANGE && fieldOf(control))
        send(control, Event::edit());
    else if (notification == BN_CLICKED || (isStatic && notification == STN_DBLCLK)) // STN_CLICKED is BN_CLICKED
        send(control, Event::click());
}

// A right click on a control (at the pointer) or the keyboard's menu key
// (-1, no pointer); a field opens its own menu, which never comes here.
bool Form1::onContextMenu(HWND target, LPARAM at)
{
    std::optional<ViewPoint> pointer;
    if (at != -1) pointer = ViewPoint{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    const std::optional<ControlId> id = idOf(target);
    return id && send(*id, Event::menuRequest(pointer));
}

// The frame can be dragged no smaller than the described client area.
void Form1::onGetMinMaxInfo(MINMAXINFO& limits) const
{
    const SIZE frame = frameSize();
    limits.ptMinTrackSize = {frame.cx, frame.cy};
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

bool Form1::translateDialogMessage(MSG& message)
{
    if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
    if (const std::optional<KeyChord> chord = chordOf(message);
        chord && send(idOf(GetFocus()).value_or(ControlId::Form1), Event::key(*chord)))
        return true;
    return IsDialogMessageW(hwnd_, &message);
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
