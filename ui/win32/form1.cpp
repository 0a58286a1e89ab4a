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
#include <optional>
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
std::vector<ControlId> focusOrder()
{
    std::vector<ControlId> order;
    for (const ControlSpec* item : tabOrder()) order.push_back(item->id);
    return order;
}

// The labels and the picture, which never take the focus, in layout order.
std::vector<ControlId> restOrder()
{
    std::vector<ControlId> order;
    for (const ControlSpec& item : controls())
        if (!takesFocus(item)) order.push_back(item.id);
    return order;
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
    , resultPointSize_(ui::control(kResultLabel).pointSize)
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
void Form1::createControls(const std::vector<ControlId>& which)
{
    for (ControlId id : which) {
        const std::size_t i = indexOf(id);
        const ControlSpec& item = ui::control(id);
        const WindowClass cls = windowClassOf(item.kind, id == kResultLabel);
        const std::wstring text = wide(item.kind == ControlKind::picture ? item.accessibleName : item.text);
        const RECT box = pixelRect(item.box, dpi_);
        controls_[i] = CreateWindowExW(cls.exStyle, cls.name, text.c_str(), cls.style, box.left, box.top,
                                       box.right - box.left, box.bottom - box.top, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance_,
                                       nullptr);
        if (item.kind == ControlKind::field) makeField(controls_[i]);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(id)), FALSE);
    }
}

HFONT Form1::fontOf(ControlId control)
{
    return fonts_.of(control == kResultLabel ? fontFor(resultPointSize_, dpi_) : ui::fontOf(control, dpi_));
}

// What a label (Static, SS_LEFT | SS_NOPREFIX) paints, painted by the form
// until the labels have windows of their own (afterFirstFrame says why).
void Form1::paintLabels(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ previous = GetCurrentObject(dc, OBJ_FONT);
    for (const ControlSpec& item : controls()) {
        if (item.kind != ControlKind::label) continue;
        SelectObject(dc, fontOf(item.id));
        SetTextColor(dc, labelColour(item.id));
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
    for (FieldId field : kFields) tipped.push_back(control(controlOf(field)));
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
    for (const ControlSpec& item : controls())
        if (HWND window = controls_[indexOf(item.id)])
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(item.id)), FALSE);
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
    SetFocus(control(tabOrder().front()->id));

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
// sooner. Why: under Wine every child window that paints costs the first
// frame a copy of the window out to the X server (a few ms each, seven
// labels and the picture), so that frame has the labels' texts painted by
// the form itself, pixel for pixel what the labels paint, and nobody can
// tell (make bench-windows measures the first text against a bare window).
void Form1::afterFirstFrame()
{
    if (firstFrameShown_) return;
    firstFrameShown_ = true;
    KillTimer(hwnd_, kAfterFirstFrameTimer);
    picture_.load(instance_, dpi_);
    const std::vector<ControlId> rest = restOrder();
    createControls(rest);
    // The form's face under each label again, without the text the label now paints.
    for (ControlId id : rest) repaintUnder(controls_[indexOf(id)]);
    createToolTips();
    accessibility_.describe(controls_, controls_[kResult]);
    loadIcons(dpi_);
}

HWND Form1::control(ControlId id) const { return id == ControlId::Form1 ? hwnd_ : controls_[indexOf(id)]; }

std::optional<ControlId> Form1::idOf(HWND window) const
{
    if (!window) return std::nullopt;
    if (window == hwnd_) return ControlId::Form1;
    const auto found = std::find(controls_.begin(), controls_.end(), window);
    if (found == controls_.end()) return std::nullopt;
    return ControlId(found - controls_.begin());
}

FormInputs Form1::inputs() const
{
    FormInputs in;
    for (FieldId field : kFields) in.texts[std::size_t(field)] = windowText(control(controlOf(field)));
    // BST_UNCHECKED 0, BST_CHECKED 1, BST_INDETERMINATE 2: the evaluation's
    // own values.
    in.check = static_cast<std::int16_t>(SendMessageW(control(ControlId::Check1), BM_GETCHECK, 0, 0));
    return in;
}

// A static label has no selection: only a field's.
std::u16string Form1::selectedText(ControlId id) const
{
    if (!fieldOf(id)) return {};
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end > start ? windowText(control(id)).substr(start, end - start) : std::u16string();
}

// The dialog face and its text (the labels stand on it), a field's ground
// and its text.
Scheme Form1::scheme() const
{
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_WINDOW),
            GetSysColor(COLOR_WINDOWTEXT)};
}

void Form1::showResult(const ShownResult& result)
{
    resultPointSize_ = result.pointSize;
    resultColour_ = result.colour;
    afterFirstFrame();
    HWND label = controls_[kResult];
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(kResultLabel)), FALSE);
    const std::wstring text = wide(result.text);
    SetWindowTextW(label, text.c_str());
    repaintUnder(label);
    toolTips_.set(label, result.toolTip);
    // A live region's new text, and the same text again, is read out only
    // on these events.
    if (!result.announcement.empty()) Accessibility::announce(label);
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
void Form1::showFieldHint(FieldId field, const ShownHint& hint)
{
    afterFirstFrame();
    HWND window = control(controlOf(field));
    showHintMark(window, hint.hint.empty() ? std::nullopt : std::optional<COLORREF>(hint.mark));
    toolTips_.set(window, hint.hint);
    accessibility_.setDescription(window, hint.hint);
}

// At the pointer (screen coordinates, as WM_CONTEXTMENU gives them), or
// below the result; the chosen entry comes back as a WM_COMMAND, like any
// menu's.
void Form1::openResultMenu(const ResultMenu& entries, std::optional<ViewPoint> at)
{
    POINT screen{at ? at->x : 0, at ? at->y : 0};
    if (!at) {
        RECT box;
        GetClientRect(controls_[kResult], &box);
        screen = {0, box.bottom};
        ClientToScreen(controls_[kResult], &screen);
    }
    HMENU menu = CreatePopupMenu();
    for (const MenuItem& item : entries) {
        const std::wstring text = wide(item.text);
        AppendMenuW(menu, MF_STRING | (item.enabled ? 0u : MF_GRAYED), UINT_PTR(menuCommand(item.entry)), text.c_str());
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

void Form1::copyToClipboard(std::u16string_view text) { putOnClipboard(hwnd_, text); }

} // namespace ui::win32
