// ntc-beta: the font the window's texts are drawn in, decided once for
// every front end.
#pragma once

#include <string_view>

namespace ui {

// The face every text uses, in the GB2312 character set, at weight 400.
// Where it is missing, a front end substitutes a Song face that shows the
// Chinese texts and draws a blank as wide as a digit, so that the two 1s of
// Label1 stay over their fraction bars.
inline constexpr std::u16string_view kSongFace = u"宋体";
inline constexpr std::u16string_view kSongSubstitutes[] = {u"SimSun", u"NSimSun", u"AR PL UMing CN",
                                                           u"AR PL SungtiL GB"};

// The Song faces carry hand-made black-and-white bitmaps for 11 to 16 pixels
// per em, which Windows draws SimSun from at those sizes. A font of
// `pointSize` at `dotsPerInch` device pixels per inch is realised at the
// nearest whole pixel size (9 pt at 96 dpi is 12 px, 11 pt is 14.67 px and
// realised as 15); where that is one of the bitmaps' sizes, it is drawn
// without antialiasing, so the toolkit takes the bitmaps instead of greying
// the outlines; at other sizes (21 pt is 28 px, anything at 200 %) the
// outlines are antialiased as usual.
bool songBitmapsFit(double pointSize, double dotsPerInch);

// The font a front end realises: `face` (kSongFace, in GB2312 where the
// toolkit asks for a character set) at `pointSize`, realised as an em of
// exactly `pixelHeight` device pixels (rounded to the nearest), at `weight`
// (400, normal), antialiased unless the Song bitmaps fit.
struct FontChoice {
    std::u16string_view face;
    double pointSize;
    int pixelHeight;
    int weight;
    bool antialiased;
};

// The font for text of `pointSize` points on a device of `dotsPerInch`
// device pixels per inch (96 at 100 %, 192 at 200 %).
FontChoice fontFor(double pointSize, double dotsPerInch);

} // namespace ui
