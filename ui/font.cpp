// ntc-beta: the font the window's texts are drawn in, decided once for
// every front end.
#include "ui/font.h"

#include <cmath>

namespace ui {

namespace {
constexpr double kPointsPerInch = 72;
constexpr int kNormalWeight = 400;
} // namespace

bool songBitmapsFit(double pointSize, double dotsPerInch)
{
    constexpr int kSmallestBitmap = 11;
    constexpr int kLargestBitmap = 16;
    const double pixelSize = pointSize * dotsPerInch / kPointsPerInch;
    const double whole = std::round(pixelSize);
    return std::fabs(pixelSize - whole) < 0.01 && whole >= kSmallestBitmap && whole <= kLargestBitmap;
}

FontChoice fontFor(double pointSize, double dotsPerInch)
{
    const int pixelHeight = int(std::lround(pointSize * dotsPerInch / kPointsPerInch));
    return {kSongFace, pointSize, pixelHeight, kNormalWeight, !songBitmapsFit(pointSize, dotsPerInch)};
}

} // namespace ui
