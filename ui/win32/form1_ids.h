// ntc-beta: how the Win32 window's own files find its controls.
#pragma once

#include "ui/form_layout.h"

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace ui::win32 {

// A control's command id is this plus its place in the layout.
inline constexpr int kFirstControlId = 100;
inline constexpr UINT_PTR kAfterFirstFrameTimer = 1;

// A control's place in the layout, which is also its place in Form1's
// controls_; the layout's size for an unknown name.
inline std::size_t indexOf(std::string_view name)
{
    const ControlSpec* found = findControl(name);
    return found ? std::size_t(found - controls().data()) : controls().size();
}

inline const std::size_t kResult = indexOf(kResultLabel);
inline const std::size_t kCommand1 = indexOf("Command1");
inline const std::size_t kCheck1 = indexOf("Check1");
inline const std::size_t kImage1 = indexOf("Image1");

} // namespace ui::win32
