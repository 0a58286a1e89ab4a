// ntc-beta: the font the window's texts are drawn in, decided once for
// every front end.
#include "ui/font.h"

#include <cmath>

namespace ui {

namespace {
constexpr double kPointsPerInch = 72;
constexpr int kNormalWeight = 400;

int realisedPixels(double pointSize, double dotsPerInch)
{
    return int(std::lround(pointSize * dotsPerInch / kPointsPerInch));
}

} // namespace

bool songBitmapsFit(double pointSize, double dotsPerInch)
{
    constexpr int kSmallestBitmap = 11;
    constexpr int kLargestBitmap = 16;
    const int pixels = realisedPixels(pointSize, dotsPerInch);
    return pixels >= kSmallestBitmap && pixels <= kLargestBitmap;
}

FontChoice fontFor(double pointSize, double dotsPerInch)
{
    return {kSongFace, pointSize, realisedPixels(pointSize, dotsPerInch), kNormalWeight,
            !songBitmapsFit(pointSize, dotsPerInch)};
}

} // namespace ui
