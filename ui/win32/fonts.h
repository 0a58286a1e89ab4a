// ntc-beta: the window's GDI fonts at the dpi it is laid out for.
#pragma once

#include <windows.h>

#include <array>
#include <utility>

namespace ui {
struct FontChoice;
}

namespace ui::win32 {

// The fonts the core chooses (font.h), each made once and kept until the
// dpi changes; the window has at most five sizes.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // Deletes every font made, after the controls have been given new ones.
    void clear();

    // The font of that choice; the system's GUI font should more sizes be
    // asked for than are kept.
    HFONT of(const FontChoice& choice);

private:
    std::array<std::pair<double, HFONT>, 6> fonts_{};
};

} // namespace ui::win32
