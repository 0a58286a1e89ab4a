// ntc-beta: the formula picture of the Windows window.
#include "ui/win32/picture.h"

#include "ui/win32/resource_ids.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace ui::win32 {

namespace {

constexpr int kPlainDpi = 96;

// A copy of the resource's bytes in a stream OleLoadPicture can read.
IStream* resourceStream(HINSTANCE instance, int id, DWORD& bytes)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) return nullptr;
    bytes = SizeofResource(instance, found);
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
    return stream;
}

// The JPEG resource as a bitmap the caller owns; nullptr when it cannot be
// decoded.
HBITMAP decodeJpegResource(HINSTANCE instance, int id, SIZE& size)
{
    DWORD bytes = 0;
    IStream* stream = resourceStream(instance, id, bytes);
    if (!stream) return nullptr;
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

FormulaPicture::~FormulaPicture()
{
    if (picture_) DeleteObject(picture_);
    if (picture2x_) DeleteObject(picture2x_);
}

void FormulaPicture::load(HINSTANCE instance, int dpi)
{
    if (!picture_) picture_ = decodeJpegResource(instance, IDR_FORMULA, size_);
    if (!picture2x_ && dpi > kPlainDpi) picture2x_ = decodeJpegResource(instance, IDR_FORMULA_2X, size2x_);
}

void FormulaPicture::draw(const DRAWITEMSTRUCT& item, int dpi) const
{
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!picture_) return;
    // At its own size at 100 %; beyond, the picture drawn at twice the size,
    // brought to the window's scale.
    const bool twice = dpi > kPlainDpi && picture2x_;
    const HBITMAP bitmap = twice ? picture2x_ : picture_;
    const SIZE size = twice ? size2x_ : size_;
    const int width = MulDiv(size_.cx, dpi, kPlainDpi);
    const int height = MulDiv(size_.cy, dpi, kPlainDpi);
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

} // namespace ui::win32
