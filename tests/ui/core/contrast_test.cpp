// Contrast of the result label's colours on light and dark faces.
#include "ui/contrast.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Faces: the Windows and Qt dialog faces, KDE Breeze Dark, a black high-contrast scheme.
constexpr ui::Bgr kWindowsFace = 0xF0F0F0;
constexpr ui::Bgr kQtFace = 0xEFEFEF;
constexpr ui::Bgr kBreezeDark = ui::bgr(0x31, 0x36, 0x3B);
constexpr ui::Bgr kBreezeDarkText = ui::bgr(0xFC, 0xFC, 0xFC);
constexpr ui::Bgr kBlackFace = 0x000000;
constexpr ui::Bgr kBlack = 0x000000;
constexpr ui::Bgr kDarkRed = 0x000080;

// Expected ratios worked by hand from the sRGB luminance formula at 20 digits.
TEST(Contrast, RatiosOfKnownPairs)
{
    const struct {
        ui::Bgr a, b;
        double expected;
    } cases[] = {
        {0x000000, 0xFFFFFF, 21.0},
        {0xFFFFFF, 0x000000, 21.0},
        {0x777777, 0x777777, 1.0},
        {kBlack, kWindowsFace, 18.4273},  // L(#F0F0F0) = 0.87137
        {kDarkRed, kWindowsFace, 9.6084}, // L(#800000) = 0.045896
        {kBlack, kBreezeDark, 1.7214},    // L(#31363B) = 0.036071
        {kDarkRed, kBreezeDark, 1.1141},
        {kBreezeDarkText, kBreezeDark, 11.8908},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " on " + std::to_string(c.b));
        EXPECT_NEAR(ui::contrastRatio(c.a, c.b), c.expected, 5e-4);
    }
}

TEST(Contrast, WantedColoursStayExactWhereTheyRead)
{
    for (ui::Bgr face : {kWindowsFace, kQtFace, ui::Bgr(0xFFFFFF)}) {
        EXPECT_EQ(ui::readableColour(kBlack, face, kBreezeDarkText), kBlack);
        EXPECT_EQ(ui::readableColour(kDarkRed, face, kBreezeDarkText), kDarkRed);
    }
}

TEST(Contrast, DarkFacesGetTheSchemesTextAndALightenedRed)
{
    const struct {
        ui::Bgr face, windowText;
        ui::Bgr red; // #800000 with its HSL lightness raised step by step
    } cases[] = {
        // L = 25 % + 119/255 gives #FF6F6F, 4.5052:1 on Breeze Dark; one step less is 4.43:1.
        {kBreezeDark, kBreezeDarkText, ui::bgr(0xFF, 0x6F, 0x6F)},
        // L = 25 % + 54/255 gives #EC0000, 4.5666:1 on black.
        {kBlackFace, 0xFFFFFF, ui::bgr(0xEC, 0x00, 0x00)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.face));
        EXPECT_EQ(ui::readableColour(kBlack, c.face, c.windowText), c.windowText);
        const ui::Bgr red = ui::readableColour(kDarkRed, c.face, c.windowText);
        EXPECT_EQ(red, c.red);
        EXPECT_GE(ui::contrastRatio(red, c.face), ui::kReadableContrast);
        EXPECT_GT(ui::redOf(red), ui::greenOf(red)); // still a red
        EXPECT_EQ(ui::greenOf(red), ui::blueOf(red));
    }
}

TEST(Contrast, ShownColourOfEachState)
{
    EXPECT_EQ(ui::shownColour(ui::startState(), kBreezeDark, kBreezeDarkText), kBreezeDarkText);
    EXPECT_EQ(ui::shownColour(ui::startState(), kWindowsFace, kBlack), kBlack);
    EXPECT_EQ(ui::shownColour(ui::thanks(), kWindowsFace, kBlack), kDarkRed);
    EXPECT_GE(ui::contrastRatio(ui::shownColour(ui::thanks(), kBreezeDark, kBreezeDarkText), kBreezeDark), 4.5);
    EXPECT_EQ(ui::shownColour(ui::calculationFailed(), kBreezeDark, kBreezeDarkText), kBreezeDarkText);
}

} // namespace
