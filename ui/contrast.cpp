// ntc-beta: colour contrast, so the result label stays readable on any face.
#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// sRGB channel (0…255) to linear light (0…1).
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool isGrey(Bgr colour) { return redOf(colour) == greenOf(colour) && greenOf(colour) == blueOf(colour); }

// Hue, saturation, lightness: a colour lightened or darkened here keeps its hue.

struct Hsl {
    double hue;        // 0…6, in sixths of the colour wheel
    double saturation; // 0…1
    double lightness;  // 0…1
};

Hsl toHsl(Bgr colour)
{
    const double r = redOf(colour) / 255.0, g = greenOf(colour) / 255.0, b = blueOf(colour) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    const double chroma = high - low;
    if (chroma == 0) return {0, 0, lightness};
    const double saturation = chroma / (1 - std::fabs(2 * lightness - 1));
    double hue = high == r ? std::fmod((g - b) / chroma + 6, 6) : high == g ? (b - r) / chroma + 2 : (r - g) / chroma + 4;
    return {hue, saturation, lightness};
}

Bgr fromHsl(const Hsl& hsl)
{
    const double chroma = (1 - std::fabs(2 * hsl.lightness - 1)) * hsl.saturation;
    const double x = chroma * (1 - std::fabs(std::fmod(hsl.hue, 2) - 1));
    const double m = hsl.lightness - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (int(hsl.hue) % 6) {
    case 0: r = chroma, g = x; break;
    case 1: r = x, g = chroma; break;
    case 2: g = chroma, b = x; break;
    case 3: g = x, b = chroma; break;
    case 4: r = x, b = chroma; break;
    default: r = chroma, b = x; break;
    }
    const auto channel = [m](double c) { return int(std::lround((c + m) * 255)); };
    return bgr(channel(r), channel(g), channel(b));
}

constexpr Bgr kWhite = 0xFFFFFF;
constexpr Bgr kBlack = 0x000000;

} // namespace

double relativeLuminance(Bgr colour)
{
    return 0.2126 * linear(redOf(colour)) + 0.7152 * linear(greenOf(colour)) + 0.0722 * linear(blueOf(colour));
}

double contrastRatio(Bgr a, Bgr b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

Bgr readableColour(Bgr wanted, Bgr face, Bgr windowText)
{
    if (contrastRatio(wanted, face) >= kReadableContrast) return wanted;
    if (isGrey(wanted)) return windowText;
    // Mid-grey here is where white and black contrast equally with the face.
    const bool lighten = contrastRatio(kWhite, face) >= contrastRatio(kBlack, face);
    Hsl hsl = toHsl(wanted);
    for (int step = 1; step <= 255; ++step) {
        hsl.lightness = std::clamp(hsl.lightness + (lighten ? 1 : -1) / 255.0, 0.0, 1.0);
        const Bgr shifted = fromHsl(hsl);
        if (contrastRatio(shifted, face) >= kReadableContrast) return shifted;
    }
    return lighten ? kWhite : kBlack;
}

Bgr shownColour(const ResultState& state, Bgr face, Bgr windowText)
{
    return state.colour ? readableColour(*state.colour, face, windowText) : windowText;
}

} // namespace ui
