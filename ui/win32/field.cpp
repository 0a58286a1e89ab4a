// ntc-beta: an entry field of the Windows window and its hint mark.
#include "ui/win32/field.h"

#include "ui/contrast.h"
#include "ui/field_hint.h"
#include "ui/win32/dpi.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {

// The subclass's reference data says whether the mark shows.
constexpr UINT_PTR kFieldSubclass = 0;

void paintHintMark(HWND field)
{
    RECT client;
    GetClientRect(field, &client);
    const int size = MulDiv(kHintMarkSize, dpiOfWindow(field), 96);
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

// The field paints itself; a field with a hint gets its mark on top.
LRESULT CALLBACK fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR marked)
{
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    if (message == WM_PAINT && marked) paintHintMark(field);
    return result;
}

} // namespace

void makeField(HWND edit)
{
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, &fieldProc, kFieldSubclass, FALSE);
}

void showHintMark(HWND field, bool shown)
{
    // Setting the same subclass again only replaces its reference data.
    SetWindowSubclass(field, &fieldProc, kFieldSubclass, shown);
    InvalidateRect(field, nullptr, TRUE);
}

} // namespace ui::win32
