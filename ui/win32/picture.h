// ntc-beta: the formula picture of the Windows window.
#pragma once

#include <windows.h>

namespace ui::win32 {

// The formula picture at 1x and, for 150 % and beyond, at 2x: JPEGs in the
// program's resources, decoded by the system's own OLE picture loader (COM
// must be started) into bitmaps this object owns.
class FormulaPicture {
public:
    FormulaPicture() = default;
    ~FormulaPicture();
    FormulaPicture(const FormulaPicture&) = delete;
    FormulaPicture& operator=(const FormulaPicture&) = delete;

    // Decodes what a window at `dpi` draws and is not decoded yet; a picture
    // that cannot be decoded stays away.
    void load(HINSTANCE instance, int dpi);

    // Draws an owner-drawn control: the dialog face, then the picture at its
    // own size scaled to `dpi` (96 is 100 %), from the 2x one beyond 100 %.
    void draw(const DRAWITEMSTRUCT& item, int dpi) const;

private:
    HBITMAP picture_ = nullptr;
    SIZE size_{};
    HBITMAP picture2x_ = nullptr;
    SIZE size2x_{};
};

} // namespace ui::win32
