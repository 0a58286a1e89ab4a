// ntc-beta: what screen readers find in the Windows window.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

struct IAccPropServices;

namespace ui::win32 {

// Annotations on the standard controls' own accessible objects, through
// Windows' IAccPropServices (COM must be started); without it the controls
// keep what Windows gives them. The result label is a live region whose
// name is its text.
class Accessibility {
public:
    Accessibility() = default;
    ~Accessibility();
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    // `children` are the controls' windows in the layout's order: the drawn
    // 1s, a stroke of the formula, are hidden; the fields, the check box and
    // the button are named for their purpose, the result described by its
    // role (the picture's name is its window text); `result` is made a live
    // region.
    void describe(std::span<const HWND> children, HWND result);

    // A control's accessible description; an empty text removes it.
    void setDescription(HWND control, std::u16string_view text);

    // Tells screen readers that a live label's text is new, the same text
    // set again included.
    static void announce(HWND label);

private:
    void setText(HWND control, bool description, std::u16string_view text);
    void hide(HWND control);
    void makeLiveRegion(HWND control);

    IAccPropServices* services_ = nullptr;
};

} // namespace ui::win32
