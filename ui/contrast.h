// ntc-beta: colour contrast, so the result label stays readable on any face.
#pragma once

#include "ui/actions.h"

namespace ui {

// The contrast a text needs against its face to read easily: 4.5:1.
inline constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white), as the Web
// Content Accessibility Guidelines define it (linearised channels weighted
// 0.2126 red, 0.7152 green, 0.0722 blue).
double relativeLuminance(Bgr colour);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter colour's luminance: 1 for
// equal colours, 21 for black on white. Symmetric.
double contrastRatio(Bgr a, Bgr b);

// The colour to draw a text wanted in `wanted` on `face`:
//   - `wanted` itself, exactly, when it reaches kReadableContrast against the
//     face (black and dark red on every light face);
//   - otherwise, for a grey wanted colour (black), the desktop's own text
//     colour `windowText`, which its scheme made for that face;
//   - otherwise the wanted colour with its HSL lightness raised (on a face
//     where white contrasts more than black) or lowered (otherwise) in the
//     fewest 1/255 steps until it reaches kReadableContrast, hue and
//     saturation kept: dark red 0x000080 on Breeze Dark's #31363B becomes
//     #FF6F6F; white or black when no step does.
Bgr readableColour(Bgr wanted, Bgr face, Bgr windowText);

// The colour a front end draws the result label's text in: the state's
// colour made readable on `face`, or `windowText` when the state leaves the
// colour to the system.
Bgr shownColour(const ResultState& state, Bgr face, Bgr windowText);

// The colours a front end's window is drawn in now: the window's face and
// its text colour, an entry field's ground and its text colour.
struct Scheme {
    Bgr face, text, ground, groundText;
};

} // namespace ui
