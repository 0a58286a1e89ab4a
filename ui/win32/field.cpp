// ntc-beta: an entry field of the Windows window and its hint mark.
#include "ui/win32/field.h"

#include "ui/field_hint.h"
#include "ui/win32/dpi.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {

// The subclass's reference data: the mark's colour with this bit, or 0 for
// no mark.
constexpr UINT_PTR kFieldSubclass = 0;
constexpr DWORD_PTR kMarked = DWORD_PTR(1) << 24;

void paintHintMark(HWND field, COLORREF red)
{
    RECT client;
    GetClientRect(field, &client);
    const int size = MulDiv(kHintMarkSize, dpiOfWindow(field), 96);
    const POINT corner{client.right - 1, client.top};
    const POINT triangle[] = {{corner.x + 1, corner.y}, {corner.x + 1 - size, corner.y}, {corner.x + 1, corner.y + size}};
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
LRESULT CALLBACK fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR mark)
{
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    if (message == WM_PAINT && (mark & kMarked)) paintHintMark(field, COLORREF(mark & ~kMarked));
    return result;
}

} // namespace

void makeField(HWND edit)
{
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(edit, &fieldProc, kFieldSubclass, FALSE);
}

void showHintMark(HWND field, std::optional<COLORREF> mark)
{
    // Setting the same subclass again only replaces its reference data.
    SetWindowSubclass(field, &fieldProc, kFieldSubclass, mark ? (DWORD_PTR(*mark) | kMarked) : 0);
    InvalidateRect(field, nullptr, TRUE);
}

} // namespace ui::win32
