// The font the window's texts are drawn in: the Song face's bitmaps where
// they fit.
#include "ui/font.h"

#include <gtest/gtest.h>

namespace {

TEST(Fonts, SongBitmapsAtRealisedPixelSizesFromElevenToSixteen)
{
    const struct {
        double points, dpi;
        bool bitmaps;
    } cases[] = {
        {9, 96, true},       // 12 px: the fields, the button, the check box
        {12, 96, true},      // 16 px: Label1
        {8.25, 96, true},    // 11 px
        {9, 120, true},      // 15 px at 125 %
        {11, 96, true},      // 14.67 px, realised as 15: the thanks text
        {8, 96, true},       // 10.67 px, realised as 11
        {12.5, 96, false},   // 16.67 px, realised as 17
        {11, 120, false},    // 18.33 px at 125 %, realised as 18
        {15.75, 96, false},  // 21 px
        {21, 96, false},     // 28 px
        {9, 192, false},     // 24 px at 200 %
        {9, 144, false},     // 18 px at 150 %
        {7.5, 96, false},    // 10 px
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::songBitmapsFit(c.points, c.dpi), c.bitmaps) << c.points << " pt at " << c.dpi << " dpi";
}

// The thanks text at 11 pt: 14.67 px, realised as 15, a bitmap size.
TEST(Fonts, RealisedAtTheNearestWholePixel)
{
    const struct {
        double points, dpi;
        int pixels;
    } cases[] = {{11, 96, 15}, {21, 96, 28}, {9, 96, 12}, {9, 120, 15}, {11, 120, 18}, {15.75, 144, 32}};
    for (const auto& c : cases) {
        const ui::FontChoice font = ui::fontFor(c.points, c.dpi);
        EXPECT_EQ(font.pixelHeight, c.pixels) << c.points << " pt at " << c.dpi << " dpi";
        EXPECT_EQ(font.pointSize, c.points);
        EXPECT_EQ(font.antialiased, !ui::songBitmapsFit(c.points, c.dpi));
    }
}

} // namespace
