// ntc-beta: the program's one window, in plain Win32: building it, laying it out
// at its dpi, and showing what the controller decides.
#include "ui/win32/form1.h"

#include "ui/actions.h"
#include "ui/form_layout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/field.h"
#include "ui/win32/form1_ids.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"NtcBetaForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; // close button only
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

struct WindowClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

WindowClass windowClassOf(ControlKind kind, bool result)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::field: return {L"Edit", child | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    // The result label takes the mouse, for its tooltip and context menu.
    case ControlKind::label: return {L"Static", child | SS_LEFT | SS_NOPREFIX | (result ? SS_NOTIFY : 0u), 0};
    case ControlKind::button: return {L"Button", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::checkBox: return {L"Button", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::picture: return {L"Static", child | SS_OWNERDRAW | SS_NOTIFY, 0};
    }
    return {L"Static", child, 0};
}

RECT pixelRect(const TwipsRect& box, int dpi)
{
    const int left = pixels(box.left, dpi);
    const int top = pixels(box.top, dpi);
    return {left, top, left + pixels(box.width, dpi), top + pixels(box.height, dpi)};
}

void registerClass(HINSTANCE instance, WNDPROC proc)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc); // a second window finds the class registered
}

// The controls that take the focus are created in tab order: the dialog
// manager moves the focus along the creation (z) order.
std::vector<std::size_t> focusOrder()
{
    std::vector<std::size_t> order;
    for (const ControlSpec* item : tabOrder()) order.push_back(indexOf(item->name));
    return order;
}

// The labels and the picture, which never take the focus, in layout order.
std::vector<std::size_t> restOrder()
{
    const std::vector<std::size_t> focus = focusOrder();
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < controls().size(); ++i)
        if (std::find(focus.begin(), focus.end(), i) == focus.end()) order.push_back(i);
    return order;
}

bool keyDown(int key) { return GetKeyState(key) < 0; }

// Ctrl+C or Ctrl+Insert, without Shift or Alt.
bool isCopyKey(const MSG& message)
{
    return message.message == WM_KEYDOWN && (message.wParam == 'C' || message.wParam == VK_INSERT) &&
           keyDown(VK_CONTROL) && !keyDown(VK_SHIFT) && !keyDown(VK_MENU);
}

// The keyboard's context-menu keys: the Menu key (its menu comes as it is
// released) and Shift+F10. Not every system turns the Menu key into
// WM_CONTEXTMENU for a button (Wine does not), so the window reads the keys
// itself.
enum class MenuKey { none, pressed, released };
MenuKey menuKeyOf(const MSG& message)
{
    if (message.wParam == VK_APPS && message.message == WM_KEYDOWN) return MenuKey::pressed;
    if (message.wParam == VK_APPS && message.message == WM_KEYUP) return MenuKey::released;
    if (message.wParam == VK_F10 && message.message == WM_SYSKEYDOWN && keyDown(VK_SHIFT)) return MenuKey::released;
    return MenuKey::none;
}

void putOnClipboard(HWND owner, std::u16string_view text)
{
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        auto* out = static_cast<wchar_t*>(GlobalLock(memory));
        std::copy(text.begin(), text.end(), out);
        out[text.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
}

} // namespace

Form1::ComApartment::ComApartment()
    : started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
}

Form1::ComApartment::~ComApartment()
{
    if (started) CoUninitialize();
}

Form1::Form1(HINSTANCE instance)
    : instance_(instance)
{
    // Standard controls and tooltips in their themed version 6 (the
    // manifest asks for it).
    const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common);
    registerClass(instance, &Form1::windowProc);
    const std::wstring title = wide(kWindow.title);
    hwnd_ = CreateWindowExW(kExStyle, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            pixels(kWindow.clientWidth), pixels(kWindow.clientHeight), nullptr, nullptr, instance,
                            this);
    if (!hwnd_) return;
    dpi_ = dpiOfWindow(hwnd_);
    createControls(focusOrder());
}

Form1::~Form1()
{
    if (hwnd_) DestroyWindow(hwnd_);
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

// Each at its place and in its font, below those made before it in z order.
void Form1::createControls(const std::vector<std::size_t>& which)
{
    for (std::size_t i : which) {
        const ControlSpec& item = controls()[i];
        const WindowClass cls = windowClassOf(item.kind, i == kResult);
        const std::wstring text = wide(item.kind == ControlKind::picture ? item.accessibleName : item.text);
        const RECT box = pixelRect(item.box, dpi_);
        controls_[i] = CreateWindowExW(cls.exStyle, cls.name, text.c_str(), cls.style, box.left, box.top,
                                       box.right - box.left, box.bottom - box.top, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance_,
                                       nullptr);
        if (item.kind == ControlKind::field) makeField(controls_[i]);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(i)), FALSE);
    }
}

HFONT Form1::fontOf(std::size_t control) { return fonts_.of(controller_.fontOf(controls()[control], dpi_)); }

// What a label (Static, SS_LEFT | SS_NOPREFIX) paints, painted by the form
// until the labels have windows of their own.
void Form1::paintLabels(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ previous = GetCurrentObject(dc, OBJ_FONT);
    for (std::size_t i = 0; i < controls().size(); ++i) {
        const ControlSpec& item = controls()[i];
        if (item.kind != ControlKind::label) continue;
        SelectObject(dc, fontOf(i));
        SetTextColor(dc, labelColour(i));
        RECT box = pixelRect(item.box, dpi_);
        const std::wstring text = wide(item.text);
        DrawTextW(dc, text.c_str(), int(text.size()), &box, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
    }
    SelectObject(dc, previous);
}

// Tips for the result (its full value) and the fields (their hints).
void Form1::createToolTips()
{
    std::vector<HWND> tipped{controls_[kResult]};
    for (FieldId field : kFields) tipped.push_back(control(nameOf(field)));
    toolTips_.create(hwnd_, instance_, tipped);
}

// Every control moved to its place at the new dpi, in fonts of that dpi.
void Form1::applyDpi(int dpi)
{
    dpi_ = dpi;
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!controls_[i]) continue;
        const RECT box = pixelRect(all[i].box, dpi);
        SetWindowPos(controls_[i], nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    applyFonts();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Each control in its font at the window's dpi.
void Form1::applyFonts()
{
    fonts_.clear();
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]) SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(i)), FALSE);
}

void Form1::loadIcons(int dpi)
{
    for (HICON* icon : {&bigIcon_, &smallIcon_}) {
        if (*icon) DestroyIcon(*icon);
        const bool big = icon == &bigIcon_;
        const int side = systemMetricForDpi(big ? SM_CXICON : SM_CXSMICON, dpi);
        *icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_NTC_BETA), IMAGE_ICON, side, side, 0));
        SendMessageW(hwnd_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(*icon));
    }
}

// The frame around the described client area at the window's dpi.
SIZE Form1::frameSize() const
{
    RECT frame{0, 0, pixels(kWindow.clientWidth, dpi_), pixels(kWindow.clientHeight, dpi_)};
    adjustWindowRectForDpi(frame, kStyle, kExStyle, dpi_);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void Form1::showCentred(int showCommand)
{
    if (!hwnd_) return;
    const auto [width, height] = frameSize();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(control("Text1"));

    // What the first frame does not show waits until it is on the screen.
    // The frame is painted by now, but Wine hands its last strokes to the X
    // server only when the message loop first finds nothing to do: the timer
    // starts here, so it comes due after that wait, not before it (as one
    // set while the window was built would be).
    SetTimer(hwnd_, kAfterFirstFrameTimer, USER_TIMER_MINIMUM, nullptr);
}

// The labels' and the picture's windows, the formula picture's decode, the
// tooltips, the screen readers' annotations and the icons, which the first
// frame does not wait for; at once when a result or a hint needs them
// sooner. Under Wine every child window that paints costs the first frame a
// copy of the window out to the X server, so that frame has the labels'
// texts painted by the form itself, pixel for pixel what the labels paint.
void Form1::afterFirstFrame()
{
    if (firstFrameShown_) return;
    firstFrameShown_ = true;
    KillTimer(hwnd_, kAfterFirstFrameTimer);
    picture_.load(instance_, dpi_);
    const std::vector<std::size_t> rest = restOrder();
    createControls(rest);
    // The form's face under each label again, without the text the label now paints.
    for (std::size_t i : rest) repaintUnder(controls_[i]);
    createToolTips();
    accessibility_.describe(controls_, controls_[kResult]);
    loadIcons(dpi_);
}

HWND Form1::control(std::string_view name) const
{
    const std::size_t i = indexOf(name);
    return i < controls_.size() ? controls_[i] : nullptr;
}

const std::u16string& Form1::fieldHintOf(std::string_view field) const
{
    static const std::u16string none;
    const std::optional<FieldId> id = fieldNamed(field);
    return id ? controller_.hintOf(*id) : none;
}

bool Form1::isField(HWND window) const
{
    if (!window) return false;
    const auto found = std::find(controls_.begin(), controls_.end(), window);
    return found != controls_.end() && controls()[std::size_t(found - controls_.begin())].kind == ControlKind::field;
}

bool Form1::focusedFieldHasSelection() const
{
    const HWND focus = GetFocus();
    if (!isField(focus)) return false;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

bool Form1::translateDialogMessage(MSG& message)
{
    if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
    if (isCopyKey(message) && controller_.copyKeyPressed(focusedFieldHasSelection())) return true;
    const MenuKey menuKey = menuKeyOf(message);
    if (menuKey != MenuKey::none && FormController::menuKeyOpensResultMenu(isField(GetFocus()))) {
        if (menuKey == MenuKey::released) onContextMenu(hwnd_, -1);
        return true;
    }
    return IsDialogMessageW(hwnd_, &message);
}

std::u16string Form1::fieldText(FieldId field) const { return windowText(control(nameOf(field))); }

std::int16_t Form1::checkValue() const
{
    // BST_UNCHECKED 0, BST_CHECKED 1, BST_INDETERMINATE 2: the evaluation's
    // own values.
    return static_cast<std::int16_t>(SendMessageW(controls_[kCheck1], BM_GETCHECK, 0, 0));
}

void Form1::showResult(const ResultState& state)
{
    afterFirstFrame();
    HWND label = controls_[kResult];
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.of(fontFor(state.pointSize, dpi_))), FALSE);
    const std::wstring text = wide(state.text);
    SetWindowTextW(label, text.c_str());
    repaintUnder(label);
    toolTips_.set(label, state.toolTip);
    // Screen readers hear every result, the same one again included.
    Accessibility::announce(label);
}

// A label has no background of its own: the window repaints its face under
// it, then the label its new text.
void Form1::repaintUnder(HWND child)
{
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&box), 2);
    RedrawWindow(hwnd_, &box, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The mark in the field, the hint as its tooltip and accessible description.
void Form1::setFieldHint(FieldId field, std::u16string_view hint)
{
    afterFirstFrame();
    HWND window = control(nameOf(field));
    showHintMark(window, !hint.empty());
    toolTips_.set(window, hint);
    accessibility_.setDescription(window, hint);
}

void Form1::copyToClipboard(std::u16string_view text) { putOnClipboard(hwnd_, text); }

} // namespace ui::win32
