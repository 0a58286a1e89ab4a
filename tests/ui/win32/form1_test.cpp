// Drives the Windows window as a user would (typing, clicks, Tab and Enter
// as key messages) and checks what the user sees: texts, positions, fonts,
// colours on the screen. Runs under Wine in the cross build.
#include "ui/contrast.h"
#include "ui/field_hint.h"
#include "ui/form_layout.h"
#include "ui/win32/form1.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

namespace {

std::u16string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(std::size_t(length));
    return std::u16string(text.begin(), text.end());
}

void putOnClipboard(std::u16string_view text)
{
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* chars = static_cast<char16_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), chars);
    chars[text.size()] = u'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::u16string clipboardText()
{
    std::u16string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const auto* chars = static_cast<const char16_t*>(GlobalLock(data));
        if (chars) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// What a screen reader reads as the control's name (MSAA).
std::u16string accessibleName(HWND hwnd)
{
    IAccessible* object = nullptr;
    std::u16string name;
    if (FAILED(AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return u"(no accessible object)";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(self, &text)) && text) {
        name.assign(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
        SysFreeString(text);
    }
    object->Release();
    return name;
}

std::wstring className(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

RECT clientRectOf(HWND child)
{
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

class Win32Form1 : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<ui::win32::Form1>(GetModuleHandleW(nullptr));
        ASSERT_NE(form->hwnd(), nullptr);
        form->showCentred(SW_SHOWNORMAL);
        SetForegroundWindow(form->hwnd());
        // What waits for the first frame (picture, tips, icons): done once
        // the result label is there, however slow the machine.
        const ULONGLONG deadline = GetTickCount64() + 5000;
        while (!form->control(ui::kResultLabel) && GetTickCount64() < deadline) {
            Sleep(USER_TIMER_MINIMUM);
            pump();
        }
        ASSERT_NE(form->control(ui::kResultLabel), nullptr) << "the first frame's work never ran";
        ASSERT_EQ(GetForegroundWindow(), form->hwnd()) << "in the foreground: " << foregroundWindow();
    }
    // The keys a case sends reach the window only while it is in the
    // foreground: a window another program shows meanwhile takes the focus.
    void TearDown() override
    {
        EXPECT_EQ(GetForegroundWindow(), form->hwnd()) << "in the foreground: " << foregroundWindow();
        form.reset();
    }

    static std::string foregroundWindow()
    {
        const HWND window = GetForegroundWindow();
        wchar_t title[128] = {};
        GetWindowTextW(window, title, 128);
        const std::wstring text = className(window) + L" \"" + title + L"\"";
        return std::string(text.begin(), text.end()); // ASCII is enough to tell whose it is
    }

    // Handles what is queued, as the program's message loop would.
    void pump()
    {
        for (int round = 0; round < 3; ++round) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (form->translateDialogMessage(message)) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(5);
        }
    }
    HWND control(const char* name) const { return form->control(ui::findControl(name)->id); }
    std::u16string result() const { return windowText(control("Label2(3)")); }

    // Types into a field character by character, as the keyboard would.
    void type(const char* field, std::u16string_view text)
    {
        HWND hwnd = control(field);
        SetFocus(hwnd);
        for (char16_t c : text) SendMessageW(hwnd, WM_CHAR, WPARAM(c), 1);
    }
    void typeReading(std::u16string_view r1, std::u16string_view r2, std::u16string_view t1, std::u16string_view t2)
    {
        type("Text1", r1);
        type("Text2", r2);
        type("Text3", t1);
        type("Text4", t2);
    }
    void key(UINT virtualKey)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, 1);
        PostMessageW(GetFocus(), WM_KEYUP, virtualKey, 0xC0000001);
        pump();
    }
    void click(HWND hwnd)
    {
        RECT box;
        GetClientRect(hwnd, &box);
        const LPARAM at = MAKELPARAM(box.right / 2, box.bottom / 2);
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
        pump();
    }
    void clickButton() { click(control("Command1")); }
    std::u16string toolTipOf(HWND control)
    {
        wchar_t text[256] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form->hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text;
        SendMessageW(form->toolTips(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        return std::u16string(text, text + std::wcslen(text));
    }
    void clickPicture() { click(control("Image1")); }

    // A key pressed and released in the focused control (`down` is
    // WM_KEYDOWN or WM_SYSKEYDOWN) while `modifier` (0: none) is held, as
    // the keyboard state GetKeyState reads; then the menu timer set before,
    // if any, has run.
    void pressWith(UINT modifier, UINT down, UINT virtualKey)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        if (modifier) state[modifier] = 0x80;
        SetKeyboardState(state);
        PostMessageW(GetFocus(), down, virtualKey, 1);
        PostMessageW(GetFocus(), down + 1, virtualKey, 0xC0000001); // WM_KEYUP, WM_SYSKEYUP
        pump();
        Sleep(250);
        pump();
        if (modifier) state[modifier] = 0;
        SetKeyboardState(state);
    }

    // How many pixels of the control's box on the screen have exactly this
    // colour.
    int pixelsOfColour(HWND child, COLORREF colour)
    {
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pump();
        const RECT box = clientRectOf(child);
        HDC dc = GetDC(form->hwnd());
        int count = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) count += GetPixel(dc, x, y) == colour;
        ReleaseDC(form->hwnd(), dc);
        return count;
    }

    std::unique_ptr<ui::win32::Form1> form;
};

TEST_F(Win32Form1, Window)
{
    HWND hwnd = form->hwnd();
    EXPECT_EQ(windowText(hwnd), u"NTC电阻B值计算");
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 408);
    EXPECT_EQ(client.bottom, 213);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), 0);

    // Centred on the work area.
    RECT frame, work;
    GetWindowRect(hwnd, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);
}

// Every control: a child of Windows' standard classes at its place, whose
// window text is what it shows, in the Song face at its size.
TEST_F(Win32Form1, Controls)
{
    for (const ui::ControlSpec& item : ui::controls()) {
        SCOPED_TRACE(std::string(item.name));
        HWND hwnd = form->control(item.id);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(GetParent(hwnd), form->hwnd());
        const wchar_t* expectedClass = item.kind == ui::ControlKind::field                                        ? L"Edit"
                                       : item.kind == ui::ControlKind::button || item.kind == ui::ControlKind::checkBox ? L"Button"
                                                                                                                   : L"Static";
        EXPECT_EQ(className(hwnd), expectedClass);
        const RECT box = clientRectOf(hwnd);
        EXPECT_EQ(box.left, item.box.left / 15);
        EXPECT_EQ(box.top, item.box.top / 15);
        EXPECT_EQ(box.right - box.left, item.box.width / 15);
        EXPECT_EQ(box.bottom - box.top, item.box.height / 15);
        // The picture's window text is what it shows, for screen readers.
        EXPECT_EQ(windowText(hwnd), item.kind == ui::ControlKind::picture ? item.accessibleName : item.text);

        const LOGFONTW font = fontOf(hwnd);
        EXPECT_EQ(std::wstring(font.lfFaceName), L"宋体");
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        const double points = item.kind == ui::ControlKind::label ? item.pointSize : 9;
        EXPECT_EQ(font.lfHeight, -std::lround(points * 96 / 72));
    }
}

// 宋体 resolves to a Song face with CJK glyphs, a blank as wide as a digit:
// the two 1s of Label1 then stand over their fraction bars.
TEST_F(Win32Form1, SongFaceKeepsBlanksAsWideAsDigits)
{
    HDC dc = GetDC(form->hwnd());
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control("Label1"), WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SIZE blank, digit, chinese;
    GetTextExtentPoint32W(dc, L" ", 1, &blank);
    GetTextExtentPoint32W(dc, L"1", 1, &digit);
    GetTextExtentPoint32W(dc, L"温", 1, &chinese);
    WORD glyph = 0;
    GetGlyphIndicesW(dc, L"温", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    ReleaseDC(form->hwnd(), dc);
    EXPECT_EQ(std::wstring(face), L"宋体");
    EXPECT_EQ(blank.cx, digit.cx);
    EXPECT_EQ(digit.cx, 8);
    EXPECT_EQ(chinese.cx, 16);
    EXPECT_NE(glyph, 0xFFFF);
}

TEST_F(Win32Form1, StartState)
{
    EXPECT_EQ(result(), u"填入数值");
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -28);
    EXPECT_EQ(GetFocus(), control("Text1"));
    EXPECT_EQ(SendMessageW(control("Check1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), GetSysColor(COLOR_BTNTEXT)), 50);
    // The formula picture, decoded after the first frame: black strokes.
    EXPECT_GT(pixelsOfColour(control("Image1"), RGB(0, 0, 0)), 200);
}

TEST_F(Win32Form1, LinesInTheWindowTextColour)
{
    HDC dc = GetDC(form->hwnd());
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    for (const ui::LineSpec& line : ui::lines()) {
        SCOPED_TRACE(std::string(line.name));
        const int y = line.y1 / 15;
        EXPECT_EQ(GetPixel(dc, line.x1 / 15, y), text);
        EXPECT_EQ(GetPixel(dc, line.x2 / 15 - 1, y), text);
        EXPECT_NE(GetPixel(dc, line.x2 / 15, y), text); // the end point is not drawn
        EXPECT_NE(GetPixel(dc, line.x1 / 15, y + 1), text);
    }
    ReleaseDC(form->hwnd(), dc);
}

// One reading end to end, the box ticked with the mouse: the evaluation's
// own cases are the core's tests (tests/calc, tests/ui/core).
TEST_F(Win32Form1, Calculate)
{
    // ln(10) / (1/298.15 - 1/373.15) = 3415.6446...
    typeReading(u"10000", u"1000", u"298.15", u"373.15");
    click(control("Check1"));
    EXPECT_EQ(SendMessageW(control("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    clickButton();
    EXPECT_EQ(result(), u" 3415.64");
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -28);
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), RGB(0, 0, 0)), 30);
    EXPECT_EQ(windowText(control("Text1")), u"10000"); // the fields keep what was typed
}

TEST_F(Win32Form1, GreyedBoxCountsAsTicked)
{
    typeReading(u"10000", u"1000", u"298.15", u"373.15");
    SendMessageW(control("Check1"), BM_SETCHECK, BST_INDETERMINATE, 0);
    clickButton();
    EXPECT_EQ(result(), u" 3415.64");
}

TEST_F(Win32Form1, ThanksThenCalculate)
{
    clickPicture();
    EXPECT_EQ(result(), u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -15); // 11 pt
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), RGB(128, 0, 0)), 30);
    clickPicture();
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -15);

    clickButton();
    EXPECT_EQ(result(), u"请填入数值");
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -28);
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), RGB(0, 0, 0)), 30);
    EXPECT_EQ(pixelsOfColour(control("Label2(3)"), RGB(128, 0, 0)), 0); // the old text is gone
}

// 11 pt is a 15-pixel font, a size the Song face has bitmaps for: every
// stroke pixel is the dark red itself, none a paler blend with the face.
TEST_F(Win32Form1, ThanksTextIsCrisp)
{
    clickPicture();
    const HWND label = control("Label2(3)");
    const RECT box = clientRectOf(label);
    const int area = (box.right - box.left) * (box.bottom - box.top);
    const int red = pixelsOfColour(label, RGB(128, 0, 0));
    EXPECT_GT(red, 100);
    EXPECT_EQ(pixelsOfColour(label, GetSysColor(COLOR_BTNFACE)) + red, area);
}

TEST_F(Win32Form1, TabOrder)
{
    const char* order[] = {"Text2", "Text3", "Text4", "Command1", "Check1", "Text1"};
    ASSERT_EQ(GetFocus(), control("Text1"));
    for (const char* name : order) {
        key(VK_TAB);
        EXPECT_EQ(GetFocus(), control(name)) << "after Tab, expected " << name;
    }
}

TEST_F(Win32Form1, EnterCalculatesOnlyOnTheButton)
{
    typeReading(u"10000", u"1000", u"25", u"100");
    for (const char* field : {"Text1", "Text4"}) {
        SetFocus(control(field));
        key(VK_RETURN);
    }
    EXPECT_EQ(result(), u"填入数值");
    SetFocus(control("Text4"));
    key(VK_TAB); // to the button
    ASSERT_EQ(GetFocus(), control("Command1"));
    key(VK_RETURN);
    EXPECT_EQ(result(), u" 3415.64");
    // A held Enter repeats with the key's previous state (bit 30) set: it
    // does not press the button again.
    clickPicture();
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1 | 1 << 30);
    pump();
    EXPECT_EQ(result(), u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");
}

TEST_F(Win32Form1, LongPastedText)
{
    std::wstring pasted(40000, L' ');
    pasted += L"10000";
    ASSERT_TRUE(OpenClipboard(form->hwnd()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    SetFocus(control("Text1"));
    SendMessageW(control("Text1"), WM_PASTE, 0, 0);
    EXPECT_EQ(GetWindowTextLengthW(control("Text1")), int(pasted.size()));
    type("Text2", u"1000");
    type("Text3", u"25");
    type("Text4", u"100");
    clickButton();
    EXPECT_EQ(result(), u" 3415.64");
}

TEST_F(Win32Form1, ResizingMovesNothing)
{
    RECT before = clientRectOf(control("Command1"));
    SetWindowPos(form->hwnd(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    RECT after = clientRectOf(control("Command1"));
    EXPECT_TRUE(EqualRect(&before, &after));
    SetWindowPos(form->hwnd(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    after = clientRectOf(control("Command1"));
    EXPECT_TRUE(EqualRect(&before, &after));
    RECT client;
    GetClientRect(form->hwnd(), &client); // never below the described 408 × 213
    EXPECT_EQ(client.right, 408);
    EXPECT_EQ(client.bottom, 213);
}

// Moved to a monitor at 150 %: positions, sizes and fonts scale by 1.5.
TEST_F(Win32Form1, FollowsTheDpiOfItsMonitor)
{
    RECT frame;
    GetWindowRect(form->hwnd(), &frame);
    SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
    pump();
    EXPECT_EQ(form->dpi(), 144);
    const RECT box = clientRectOf(control("Text1")); // 1680, 480, 975 × 375 twips
    EXPECT_EQ(box.left, 168);
    EXPECT_EQ(box.top, 48);
    EXPECT_EQ(box.right - box.left, 98); // 97.5 rounds up
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -42);
    EXPECT_EQ(fontOf(control("Text1")).lfHeight, -18);
    typeReading(u"10000", u"1000", u"25", u"100");
    clickButton();
    EXPECT_EQ(fontOf(control("Label2(3)")).lfHeight, -42);
}

// On a dark face (a dark or high-contrast scheme) the result keeps a colour
// that reads: the scheme's text colour for black, a lightened red for the
// thanks text; the described colours stay wherever they read.
TEST_F(Win32Form1, ReadableOnADarkFace)
{
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF light[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
    const COLORREF dark[] = {RGB(0x31, 0x36, 0x3B), RGB(0xFC, 0xFC, 0xFC)}; // Breeze Dark
    ASSERT_TRUE(SetSysColors(2, elements, dark));
    pump();
    clickPicture();
    const COLORREF thanks = ui::readableColour(0x000080, dark[0], dark[1]); // dark red, lightened
    EXPECT_GE(ui::contrastRatio(thanks, dark[0]), 4.5);
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), thanks), 30);
    EXPECT_EQ(pixelsOfColour(control("Label2(3)"), RGB(128, 0, 0)), 0);
    clickButton();
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), dark[1]), 30);
    SetSysColors(2, elements, light);
    pump();
    clickPicture();
    EXPECT_GT(pixelsOfColour(control("Label2(3)"), RGB(128, 0, 0)), 30);
    EXPECT_LT(ui::contrastRatio(RGB(128, 0, 0), dark[0]), 4.5); // why the dark face needs another red
}

TEST_F(Win32Form1, CopyAndToolTipOfTheResult)
{
    typeReading(u"10000", u"1066.1", u"25", u"85");
    clickButton();
    EXPECT_EQ(toolTipOf(control("Label2(3)")), u"B25/85 = 3984.01296410608 K");
    SendMessageW(form->hwnd(), WM_COMMAND, ui::win32::Form1::menuCommand(ui::MenuEntry::copyShown), 0);
    EXPECT_EQ(clipboardText(), u"3984.01");
    SendMessageW(form->hwnd(), WM_COMMAND, ui::win32::Form1::menuCommand(ui::MenuEntry::copyFullValue), 0);
    EXPECT_EQ(clipboardText(), u"3984.01296410608");
    const HWND focus = GetFocus();
    click(control("Label2(3)"));
    EXPECT_EQ(GetFocus(), focus); // the label never takes the focus
    clickPicture();
    EXPECT_EQ(toolTipOf(control("Label2(3)")), u"");
}

// The context menu, read while it is open, then closed.
std::u16string gMenuEntries;
void CALLBACK readOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (HWND menuWindow = FindWindowW(L"#32768", nullptr)) {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, UINT(i), text, 64, MF_BYPOSITION);
            gMenuEntries += std::u16string(text, text + std::wcslen(text));
            gMenuEntries += (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_GRAYED) ? u"(off);" : u";";
        }
    }
    EndMenu();
}

TEST_F(Win32Form1, ContextMenuOfTheResult)
{
    for (bool calculated : {false, true}) {
        if (calculated) {
            typeReading(u"10000", u"1000", u"25", u"100");
            clickButton();
        }
        gMenuEntries.clear();
        SetTimer(nullptr, 0, 200, readOpenMenu);
        RECT box;
        GetWindowRect(control("Label2(3)"), &box);
        SendMessageW(form->hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control("Label2(3)")),
                     MAKELPARAM(box.left + 5, box.top + 5));
        pump();
        EXPECT_EQ(gMenuEntries, calculated ? u"复制(&C);复制完整数值(&F);" : u"复制(&C);复制完整数值(&F)(off);");
    }
}

// The label never takes the focus, so the keyboard reaches the result
// through the focused control: Ctrl+C copies it unless a field holds a
// selection, the Menu key and Shift+F10 open its menu outside the fields.
TEST_F(Win32Form1, KeyboardReachesTheResult)
{
    typeReading(u"10000", u"1066.1", u"25", u"85");
    clickButton();
    const struct {
        const char* focus;
        bool selected;
        UINT message, key, modifier;
        std::u16string_view copied;
        bool resultMenu;
    } cases[] = {
        {"Command1", false, WM_KEYDOWN, 'C', VK_CONTROL, u"3984.01", false},
        {"Text1", false, WM_KEYDOWN, 'C', VK_CONTROL, u"3984.01", false},
        {"Check1", false, WM_KEYDOWN, VK_INSERT, VK_CONTROL, u"3984.01", false},
        {"Text2", true, WM_KEYDOWN, 'C', VK_CONTROL, u"1066.1", false}, // the field's own copy
        {"Command1", false, WM_KEYDOWN, VK_APPS, 0, u"before", true},
        {"Check1", false, WM_SYSKEYDOWN, VK_F10, VK_SHIFT, u"before", true},
        {"Text3", false, WM_SYSKEYDOWN, VK_F10, VK_SHIFT, u"before", false}, // the field's own menu
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " key " + std::to_string(c.key));
        putOnClipboard(u"before");
        SetFocus(control(c.focus));
        SendMessageW(control(c.focus), EM_SETSEL, 0, c.selected ? -1 : 0);
        gMenuEntries.clear();
        SetTimer(nullptr, 0, 200, readOpenMenu);
        pressWith(c.modifier, c.message, c.key);
        EXPECT_EQ(clipboardText(), c.copied);
        EXPECT_EQ(gMenuEntries == u"复制(&C);复制完整数值(&F);", c.resultMenu) << testing::PrintToString(gMenuEntries);
    }
}

TEST_F(Win32Form1, ScreenReadersHearTheResult)
{
    EXPECT_EQ(accessibleName(control("Image1")), u"公式：β(T1/T2) = ln(R_T1/R_T2) / (1/T1 − 1/T2)");
    EXPECT_EQ(accessibleName(control("Label2(3)")), u"填入数值");

    static int nameChanges = 0;
    static HWND watched = nullptr;
    watched = control("Label2(3)");
    nameChanges = 0;
    HWINEVENTHOOK hook = SetWinEventHook(
        EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD) { nameChanges += hwnd == watched; }, 0, 0,
        WINEVENT_OUTOFCONTEXT);
    typeReading(u"10000", u"1000", u"25", u"100");
    clickButton();
    pump();
    EXPECT_EQ(accessibleName(control("Label2(3)")), u" 3415.64");
    const int afterFirst = nameChanges;
    EXPECT_GE(afterFirst, 1);
    clickButton(); // the same result again is announced again
    pump();
    EXPECT_GT(nameChanges, afterFirst);
    clickPicture();
    EXPECT_EQ(accessibleName(control("Label2(3)")), u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");
    UnhookWinEvent(hook);
}

TEST_F(Win32Form1, DecimalCommaIsMarkedUntilTheTextChanges)
{
    typeReading(u"10000", u"1000", u"25,5", u"100");
    clickButton();
    // ln(10) / (1/298.15 - 1/373.15): the comma ends the number at 25.
    EXPECT_EQ(result(), u" 3415.64");
    const std::u16string hint = u"读取为 25，忽略了“,5”；小数点请用“.”";
    EXPECT_EQ(toolTipOf(control("Text3")), hint);
    EXPECT_EQ(toolTipOf(control("Text1")), u"");
    const COLORREF mark = ui::readableColour(ui::kHintMarkColour, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_GT(pixelsOfColour(control("Text3"), mark), 5);
    EXPECT_EQ(pixelsOfColour(control("Text1"), mark), 0);

    type("Text3", u"1");
    pump();
    EXPECT_EQ(toolTipOf(control("Text3")), u"");
    EXPECT_EQ(pixelsOfColour(control("Text3"), mark), 0);
}

TEST_F(Win32Form1, KeypadEnterAndFullWidthInput)
{
    // A Chinese input method in full-width mode.
    typeReading(u"１００００", u"１０００", u"２５", u"１００。０");
    SetFocus(control("Command1"));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1 | 1 << 24); // the keypad's Enter is an extended key
    pump();
    EXPECT_EQ(result(), u" 3415.64");
}

// The first frame has the labels' texts, painted by the window before the
// labels have windows of their own; the labels' windows, made once the
// message loop has run, paint the very same strokes.
TEST(Win32Form1FirstFrame, LabelsShowBeforeTheirWindows)
{
    ui::win32::Form1 form(GetModuleHandleW(nullptr));
    form.showCentred(SW_SHOWNORMAL);
    const auto strokes = [&form] { // where the labels' boxes show the text colour
        std::vector<bool> text;
        HDC dc = GetDC(form.hwnd());
        for (const ui::ControlSpec& item : ui::controls()) {
            if (item.kind != ui::ControlKind::label) continue;
            for (int y = item.box.top / 15; y < (item.box.top + item.box.height) / 15; ++y)
                for (int x = item.box.left / 15; x < (item.box.left + item.box.width) / 15; ++x)
                    text.push_back(GetPixel(dc, x, y) == GetSysColor(COLOR_BTNTEXT));
        }
        ReleaseDC(form.hwnd(), dc);
        return text;
    };
    const std::vector<bool> first = strokes();
    EXPECT_EQ(form.control(ui::kResultLabel), nullptr);
    EXPECT_GT(std::count(first.begin(), first.end(), true), 200);

    for (int round = 0; round < 20 && !form.control(ui::kResultLabel); ++round) {
        Sleep(USER_TIMER_MINIMUM);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    ASSERT_NE(form.control(ui::kResultLabel), nullptr);
    EXPECT_EQ(windowText(form.control(ui::ControlId::Label2_0)), u"Ln(");
    EXPECT_TRUE(strokes() == first);
}

// The manifest is found whatever its resource language: the common
// controls come from the side-by-side assembly of version 6, which only the
// manifest asks for (Wine's reports version 5 all the same; its folder says).
TEST(Win32Manifest, ThemedCommonControls)
{
    const HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl32, nullptr);
    wchar_t path[MAX_PATH] = L"";
    std::wstring folder(path, GetModuleFileNameW(comctl32, path, MAX_PATH));
    std::transform(folder.begin(), folder.end(), folder.begin(), [](wchar_t c) { return wchar_t(towlower(c)); });
    EXPECT_NE(folder.find(L"\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << std::string(folder.begin(), folder.end());
}

} // namespace
