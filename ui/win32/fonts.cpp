// ntc-beta: the window's GDI fonts at the dpi it is laid out for.
#include "ui/win32/fonts.h"

#include "ui/font.h"
#include "ui/win32/text.h"

namespace ui::win32 {

FontCache::~FontCache() { clear(); }

void FontCache::clear()
{
    for (auto& [size, font] : fonts_) {
        if (font) DeleteObject(font);
        font = nullptr;
        size = 0;
    }
}

HFONT FontCache::of(const FontChoice& choice)
{
    for (auto& [size, font] : fonts_)
        if (font && size == choice.pointSize) return font;
    for (auto& [size, font] : fonts_) {
        if (font) continue;
        const std::wstring face = wide(choice.face);
        size = choice.pointSize;
        // Where the Song face has bitmaps for the size, they are drawn as
        // they are, crisp and black, instead of greyed outlines.
        const DWORD quality = choice.antialiased ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY;
        font = CreateFontW(-choice.pixelHeight, 0, 0, 0, choice.weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        return font;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace ui::win32
