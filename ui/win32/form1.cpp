// ntc-beta: the program's one window, in plain Win32.
#include "ui/win32/form1.h"

#include "ui/contrast.h"
#include "ui/field_hint.h"
#include "ui/form_layout.h"
#include "ui/win32/resource_ids.h"

#include <commctrl.h>
#include <initguid.h> // defines the accessibility GUIDs used below
#include <oleacc.h>
#include <ocidl.h>
#include <olectl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace ui::win32 {

namespace {

// UI Automation's LiveSetting property, {C12BCD8E-2A8E-4950-8AE7-3625111D58EB},
// which the MinGW headers lack: a live region's changes are read out.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);
constexpr long kLivePolite = 1;

constexpr wchar_t kClassName[] = L"NtcBetaForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; // close button only
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kLoadPictureTimer = 1;

std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// A control's place in the layout, which is also its place in controls_;
// the layout's size for an unknown name.
std::size_t indexOf(std::string_view name)
{
    const ControlSpec* found = findControl(name);
    return found ? std::size_t(found - controls().data()) : controls().size();
}

const std::size_t kResult = indexOf("Label2(3)");
const std::size_t kCommand1 = indexOf("Command1");
const std::size_t kCheck1 = indexOf("Check1");
const std::size_t kImage1 = indexOf("Image1");

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

// The formula picture, a JPEG in the program's resources, decoded by the
// system's own OLE picture loader into a bitmap the window owns.
HBITMAP decodeJpegResource(HINSTANCE instance, int id, SIZE& size)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) return nullptr;
    const DWORD bytes = SizeofResource(instance, found);
    const void* data = LockResource(LoadResource(instance, found));
    if (!data || bytes == 0) return nullptr;

    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!copy) return nullptr;
    std::memcpy(GlobalLock(copy), data, bytes);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    IPicture* picture = nullptr;
    HBITMAP owned = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, LONG(bytes), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
        OLE_HANDLE handle = 0;
        if (SUCCEEDED(picture->get_Handle(&handle))) {
            owned = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            BITMAP info{};
            if (owned && GetObjectW(owned, sizeof info, &info)) size = {info.bmWidth, info.bmHeight};
        }
        picture->Release();
    }
    stream->Release();
    return owned;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance)
    , result_(startState())
{
    // Standard controls and tooltips in their themed version 6 (the
    // manifest asks for it); COM for the picture decoder and the screen
    // readers' annotations.
    const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common);
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    registerClass(instance, &Form1::windowProc);
    const std::wstring title = wide(kWindow.title);
    hwnd_ = CreateWindowExW(kExStyle, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            pixels(kWindow.clientWidth), pixels(kWindow.clientHeight), nullptr, nullptr, instance,
                            this);
    if (!hwnd_) return;
    createControls();
    createToolTips();
    describeForScreenReaders();
    applyDpi(int(GetDpiForWindow(hwnd_)));
}

Form1::~Form1()
{
    if (hwnd_) DestroyWindow(hwnd_);
    for (auto& [size, font] : fonts_)
        if (font) DeleteObject(font);
    if (picture_) DeleteObject(picture_);
    if (picture2x_) DeleteObject(picture2x_);
    if (accessibility_) accessibility_->Release();
    if (comStarted_) CoUninitialize();
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

void Form1::createControls()
{
    const auto all = controls();
    // Children are created in tab order first: the dialog manager moves the
    // focus along the creation (z) order of the controls that take it.
    std::vector<std::size_t> order;
    for (const ControlSpec* item : tabOrder()) order.push_back(indexOf(item->name));
    for (std::size_t i = 0; i < all.size(); ++i)
        if (std::find(order.begin(), order.end(), i) == order.end()) order.push_back(i);

    for (std::size_t i : order) {
        const ControlSpec& item = all[i];
        const WindowClass cls = windowClassOf(item.kind, i == kResult);
        const std::wstring text = wide(item.kind == ControlKind::picture ? item.accessibleName : item.text);
        controls_[i] = CreateWindowExW(cls.exStyle, cls.name, text.c_str(), cls.style, 0, 0, 0, 0, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance_,
                                       nullptr);
        // Fields take texts of any length (a single-line Edit stops at
        // 30,000 characters otherwise).
        if (item.kind == ControlKind::field) {
            SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);
            SetWindowSubclass(controls_[i], &Form1::fieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
    }
}

void Form1::applyDpi(int dpi)
{
    dpi_ = dpi;
    for (auto& [size, font] : fonts_) {
        if (font) DeleteObject(font);
        font = nullptr;
        size = 0;
    }

    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const RECT box = pixelRect(all[i].box, dpi);
        SetWindowPos(controls_[i], nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const double size = i == kResult                        ? result_.pointSize
                            : all[i].kind == ControlKind::label ? all[i].pointSize
                                                                : kWindow.pointSize;
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fontOfSize(size)), FALSE);
    }

    for (HICON* icon : {&bigIcon_, &smallIcon_}) {
        if (*icon) DestroyIcon(*icon);
        const bool big = icon == &bigIcon_;
        const int side = GetSystemMetricsForDpi(big ? SM_CXICON : SM_CXSMICON, UINT(dpi));
        *icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_NTC_BETA), IMAGE_ICON, side, side, 0));
        SendMessageW(hwnd_, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(*icon));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HFONT Form1::fontOfSize(double pointSize)
{
    for (auto& [size, font] : fonts_)
        if (font && size == pointSize) return font;
    for (auto& [size, font] : fonts_) {
        if (font) continue;
        const std::wstring face = wide(kSongFace);
        size = pointSize;
        // Where the Song face has bitmaps for the size, they are drawn as
        // they are, crisp and black, instead of greyed outlines.
        const DWORD quality = songBitmapsFit(pointSize, dpi_) ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
        font = CreateFontW(-int(std::lround(pointSize * dpi_ / 72)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality,
                           DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        return font;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Form1::createToolTips()
{
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_,
                                nullptr);
    // Long hints wrap instead of running off the screen.
    SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, 400);
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i != kResult && all[i].kind != ControlKind::field) continue;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// An empty text shows no tooltip at all.
void Form1::setToolTip(HWND control, std::u16string_view text)
{
    if (!toolTips_) return;
    std::wstring wideText = wide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wideText.data();
    SendMessageW(toolTips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// What screen readers announce beyond the controls' own texts: the fields'
// and the check box's purpose, the result's role, the picture's content
// (its window text). The drawn 1s are a stroke of the formula, hidden.
void Form1::describeForScreenReaders()
{
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&accessibility_))))
        return;
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!inAccessibleTree(all[i])) {
            VARIANT state;
            VariantInit(&state);
            state.vt = VT_I4;
            state.lVal = STATE_SYSTEM_INVISIBLE;
            accessibility_->SetHwndProp(controls_[i], DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_STATE, state);
            continue;
        }
        if (!all[i].accessibleName.empty() && all[i].kind != ControlKind::picture)
            setAccessibleText(controls_[i], false, all[i].accessibleName);
        if (!all[i].accessibleDescription.empty()) setAccessibleText(controls_[i], true, all[i].accessibleDescription);
    }
    VARIANT live;
    VariantInit(&live);
    live.vt = VT_I4;
    live.lVal = kLivePolite;
    accessibility_->SetHwndProp(controls_[kResult], DWORD(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, live);
}

void Form1::setAccessibleText(HWND control, bool description, std::u16string_view text)
{
    if (!accessibility_) return;
    const std::wstring wideText = wide(text);
    const MSAAPROPID property = description ? PROPID_ACC_DESCRIPTION : PROPID_ACC_NAME;
    if (text.empty())
        accessibility_->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, &property, 1);
    else
        accessibility_->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, property, wideText.c_str());
}

const std::u16string& Form1::fieldHintOf(std::string_view field) const
{
    static const std::u16string none;
    const std::size_t i = indexOf(field);
    return i < hints_.size() ? hints_[i] : none;
}

// After a calculation: a field whose ignored rest changes what the user meant
// ("25,5" reads 25, "10k" reads 10) is marked, and its tooltip says what was
// read and what ignored.
void Form1::showFieldHints()
{
    const auto all = controls();
    const std::int16_t check = checkValue();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind != ControlKind::field) continue;
        const std::optional<std::u16string> hint = fieldHint(all[i].name, fieldText(controls_[i]), check);
        hints_[i] = hint.value_or(std::u16string());
        setToolTip(controls_[i], hints_[i]);
        setAccessibleText(controls_[i], true, hints_[i]);
        InvalidateRect(controls_[i], nullptr, TRUE);
    }
}

void Form1::clearFieldHint(std::size_t index)
{
    if (index >= hints_.size() || hints_[index].empty()) return;
    hints_[index].clear();
    setToolTip(controls_[index], u"");
    setAccessibleText(controls_[index], true, u"");
    InvalidateRect(controls_[index], nullptr, TRUE);
}

// The fields paint themselves; a field with a hint gets its mark on top.
LRESULT CALLBACK Form1::fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR form)
{
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    if (message == WM_PAINT) reinterpret_cast<Form1*>(form)->paintHintMark(field);
    return result;
}

void Form1::paintHintMark(HWND field)
{
    const auto all = controls();
    std::size_t i = 0;
    while (i < all.size() && controls_[i] != field) ++i;
    if (i == all.size() || hints_[i].empty()) return;
    RECT client;
    GetClientRect(field, &client);
    const int size = MulDiv(kHintMarkSize, dpi_, 96);
    const POINT corner{client.right - 1, client.top};
    const POINT triangle[] = {{corner.x + 1, corner.y}, {corner.x + 1 - size, corner.y}, {corner.x + 1, corner.y + size}};
    const COLORREF red = readableColour(kHintMarkColour, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
    HDC dc = GetDC(field);
    HBRUSH brush = CreateSolidBrush(red);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, triangle, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    ReleaseDC(field, dc);
}

void Form1::resultContextMenu(POINT screen)
{
    HMENU menu = CreatePopupMenu();
    const std::wstring shown = wide(kCopyShown);
    const std::wstring full = wide(kCopyFullValue);
    AppendMenuW(menu, MF_STRING, copyShown, shown.c_str());
    AppendMenuW(menu, MF_STRING | (result_.fullValue.empty() ? MF_GRAYED : 0u), copyFullValue, full.c_str());
    // The chosen entry comes back as a WM_COMMAND, like any menu's.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

void Form1::copyToClipboard(std::u16string_view text)
{
    if (!OpenClipboard(hwnd_)) return;
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

void Form1::showCentred(int showCommand)
{
    if (!hwnd_) return;
    RECT frame{0, 0, pixels(kWindow.clientWidth, dpi_), pixels(kWindow.clientHeight, dpi_)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, UINT(dpi_));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
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

    // The picture is decoded once the window's first frame is on the
    // screen. The frame is painted by now, but Wine hands it to the X server
    // only when the message loop first finds nothing to do: the timer starts
    // here, so it comes due after that wait, not before it (as one set
    // while the window was built would be).
    SetTimer(hwnd_, kLoadPictureTimer, USER_TIMER_MINIMUM, nullptr);
}

HWND Form1::control(std::string_view name) const
{
    const std::size_t i = indexOf(name);
    return i < controls_.size() ? controls_[i] : nullptr;
}

bool Form1::translateDialogMessage(MSG& message) { return hwnd_ && IsDialogMessageW(hwnd_, &message); }

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
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = labelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DRAWITEM:
        if (wParam == kFirstControlId + kImage1) {
            drawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == controls_[kResult]) {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (lParam == -1) { // from the keyboard: at the label's corner
                at = {0, 0};
                ClientToScreen(controls_[kResult], &at);
            }
            resultContextMenu(at);
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == kLoadPictureTimer) {
            KillTimer(hwnd_, kLoadPictureTimer);
            loadPicture();
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: lay out again at its dpi, in
        // the frame Windows suggests.
        applyDpi(HIWORD(wParam));
        const RECT* frame = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, frame->left, frame->top, frame->right - frame->left, frame->bottom - frame->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case WM_DESTROY:
        if (quitOnDestroy_) PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1::command(int id, int notification)
{
    const auto index = std::size_t(id - kFirstControlId);
    if (id == copyShown) {
        copyToClipboard(copiedText(result_.text));
    } else if (id == copyFullValue) {
        if (!result_.fullValue.empty()) copyToClipboard(result_.fullValue);
    } else if (id >= kFirstControlId && index < controls_.size() && notification == EN_CHANGE) {
        clearFieldHint(index); // the hint was about the text as it was
    } else if (id == int(kFirstControlId + kCommand1) && notification == BN_CLICKED) {
        calculateClicked();
    } else if (id == int(kFirstControlId + kImage1) && (notification == STN_CLICKED || notification == STN_DBLCLK)) {
        // The second click of a double click is a click as well.
        pictureClicked();
    } else if (id == IDOK && GetFocus() == controls_[kCommand1] && pressedByEnter(controls()[kCommand1])) {
        // Enter while the button has the focus presses it; Enter in a field
        // does nothing, the button is not the window's default.
        calculateClicked();
    }
}

// Labels draw on the window's face without a background of their own, so
// the fraction bar under the box of "Ln(" stays visible, as in the formula.
HBRUSH Form1::labelColours(HDC dc, HWND child)
{
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (controls_[i] != child) continue;
        if (all[i].kind == ControlKind::label) {
            // COLORREF is 0x00BBGGRR as well. The result keeps its colour
            // where it reads; on a dark or high-contrast face it takes one
            // that does.
            COLORREF colour = GetSysColor(COLOR_BTNTEXT);
            if (i == kResult) colour = shownColour(result_, GetSysColor(COLOR_BTNFACE), colour);
            SetTextColor(dc, colour);
            SetBkMode(dc, TRANSPARENT);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        }
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

void Form1::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    // One pixel at 100 %, and as wide as the scale makes a pixel beyond it.
    const int thickness = std::max(1, dpi_ / 96);
    for (const LineSpec& line : lines()) {
        const int top = pixels(line.y1, dpi_);
        const RECT bar{pixels(line.x1, dpi_), top, pixels(line.x2, dpi_), top + thickness};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    EndPaint(hwnd_, &ps);
}

void Form1::loadPicture()
{
    if (!picture_) picture_ = decodeJpegResource(instance_, IDR_FORMULA, pictureSize_);
    if (!picture2x_ && dpi_ > 96) picture2x_ = decodeJpegResource(instance_, IDR_FORMULA_2X, picture2xSize_);
    InvalidateRect(controls_[kImage1], nullptr, TRUE);
}

void Form1::drawPicture(const DRAWITEMSTRUCT& item)
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!picture_) return;
    // At its own size at 100 %; beyond, the picture drawn at twice the size,
    // brought to the window's scale.
    const bool twice = dpi_ > 96 && picture2x_;
    const HBITMAP bitmap = twice ? picture2x_ : picture_;
    const SIZE size = twice ? picture2xSize_ : pictureSize_;
    const int width = MulDiv(pictureSize_.cx, dpi_, 96);
    const int height = MulDiv(pictureSize_.cy, dpi_, 96);
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = SelectObject(source, bitmap);
    if (width == size.cx) {
        BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, source, 0, 0, size.cx, size.cy,
                   SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

std::u16string Form1::fieldText(HWND field) const
{
    const int length = GetWindowTextLengthW(field);
    std::wstring text(std::size_t(length) + 1, L'\0');
    const int copied = GetWindowTextW(field, text.data(), length + 1);
    return std::u16string(text.begin(), text.begin() + std::max(0, copied));
}

std::int16_t Form1::checkValue() const
{
    // BST_UNCHECKED 0, BST_CHECKED 1, BST_INDETERMINATE 2: the evaluation's
    // own values.
    return static_cast<std::int16_t>(SendMessageW(controls_[kCheck1], BM_GETCHECK, 0, 0));
}

void Form1::calculateClicked()
{
    try {
        const std::u16string r1 = fieldText(control("Text1"));
        const std::u16string r2 = fieldText(control("Text2"));
        const std::u16string t1 = fieldText(control("Text3"));
        const std::u16string t2 = fieldText(control("Text4"));
        showResult(calculate(r1, r2, t1, t2, checkValue()));
        showFieldHints();
    } catch (...) {
        // Whatever fails (even memory on a huge paste) ends in the one
        // message; the window carries on.
        showResult(calculationFailed());
    }
}

void Form1::pictureClicked() { showResult(thanks()); }

void Form1::showResult(const ResultState& state)
{
    result_ = state;
    HWND label = controls_[kResult];
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fontOfSize(state.pointSize)), FALSE);
    const std::wstring text = wide(state.text);
    SetWindowTextW(label, text.c_str());
    // The label has no background of its own: the window repaints its face
    // under it, then the label its new text.
    RECT box;
    GetWindowRect(label, &box);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&box), 2);
    RedrawWindow(hwnd_, &box, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    setToolTip(label, state.toolTip);
    // Screen readers hear every result, the same one again included: the
    // label's name is its text, and it is a live region.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, label, OBJID_CLIENT, CHILDID_SELF);
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
