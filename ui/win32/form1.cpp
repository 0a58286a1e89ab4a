// ntc-beta: the program's one window, in plain Win32.
#include "ui/win32/form1.h"

#include "ui/form_layout.h"
#include "ui/win32/resource_ids.h"

#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"NtcBetaForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; // close button only
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kLoadPictureTimer = 1;

std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::size_t indexOf(std::string_view name)
{
    const auto all = controls();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].name == name) return i;
    return all.size();
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

WindowClass windowClassOf(ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::field: return {L"Edit", child | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    case ControlKind::label: return {L"Static", child | SS_LEFT | SS_NOPREFIX, 0};
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
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
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
    if (SUCCEEDED(com)) CoUninitialize();
    return owned;
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance)
    , result_(startState())
{
    registerClass(instance, &Form1::windowProc);
    const std::wstring title = wide(kWindow.title);
    hwnd_ = CreateWindowExW(kExStyle, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            pixels(kWindow.clientWidth), pixels(kWindow.clientHeight), nullptr, nullptr, instance,
                            this);
    if (!hwnd_) return;
    createControls();
    applyDpi(int(GetDpiForWindow(hwnd_)));
}

Form1::~Form1()
{
    if (hwnd_) DestroyWindow(hwnd_);
    for (auto& [size, font] : fonts_)
        if (font) DeleteObject(font);
    if (picture_) DeleteObject(picture_);
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

void Form1::createControls()
{
    const auto all = controls();
    // Children are created in tab order first: the dialog manager moves the
    // focus along the creation (z) order of the controls that take it.
    std::vector<std::size_t> order;
    for (const ControlSpec* spec : tabOrder()) order.push_back(indexOf(spec->name));
    for (std::size_t i = 0; i < all.size(); ++i)
        if (std::find(order.begin(), order.end(), i) == order.end()) order.push_back(i);

    for (std::size_t i : order) {
        const ControlSpec& spec = all[i];
        const WindowClass cls = windowClassOf(spec.kind);
        const std::wstring text = wide(spec.kind == ControlKind::picture ? spec.accessibleName : spec.text);
        controls_[i] = CreateWindowExW(cls.exStyle, cls.name, text.c_str(), cls.style, 0, 0, 0, 0, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance_,
                                       nullptr);
        // Fields take texts of any length (a single-line Edit stops at
        // 30,000 characters otherwise).
        if (spec.kind == ControlKind::field) SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);
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
        font = CreateFontW(-int(std::lround(pointSize * dpi_ / 72)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        return font;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
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
    if (id == int(kFirstControlId + kCommand1) && notification == BN_CLICKED) {
        calculateClicked();
    } else if (id == int(kFirstControlId + kImage1) && (notification == STN_CLICKED || notification == STN_DBLCLK)) {
        // The second click of a double click is a click as well.
        pictureClicked();
    } else if (id == IDOK && GetFocus() == controls_[kCommand1]) {
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
            COLORREF colour = GetSysColor(COLOR_BTNTEXT);
            if (i == kResult && result_.colour) colour = COLORREF(*result_.colour); // both 0x00BBGGRR
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
    InvalidateRect(controls_[kImage1], nullptr, TRUE);
}

void Form1::drawPicture(const DRAWITEMSTRUCT& item)
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!picture_) return;
    HDC source = CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = SelectObject(source, picture_);
    // At its own size at 100 %, scaled with the window beyond.
    const int width = MulDiv(pictureSize_.cx, dpi_, 96);
    const int height = MulDiv(pictureSize_.cy, dpi_, 96);
    if (width == pictureSize_.cx) {
        BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(item.hDC, HALFTONE);
        SetBrushOrgEx(item.hDC, 0, 0, nullptr);
        StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, source, 0, 0, pictureSize_.cx,
                   pictureSize_.cy, SRCCOPY);
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
