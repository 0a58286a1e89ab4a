// ntc-beta: a Windows icon file (.ico) from drawn images, for draw_resources.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace tools {

// How one image is stored: 16 colours of the classic palette, up to 256
// colours of its own (both with a transparency mask), 32-bit colour with
// alpha (Windows XP and later), or PNG-compressed with alpha (Windows Vista
// and later; Windows expects it at 256 px).
enum class IconDepth { classic4, palette8, alpha32, png };

struct IconImage {
    QImage image; // square, 1 to 256 px, ARGB
    IconDepth depth;
};

// The .ico file holding `images` in their order: the directory, then each
// image. Bitmaps are stored as the format has them: a header of double
// height, the palette, the colour rows and the mask rows bottom-up, each row
// padded to four bytes.
QByteArray iconFile(const std::vector<IconImage>& images);

} // namespace tools
