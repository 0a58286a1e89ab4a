// The window's layout as data: what both front ends build from.
#include "ui/form_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(Pixels, FifteenTwipsPerPixelAtNinetySixDpi)
{
    const struct {
        int twips, dpi, expected;
    } cases[] = {
        {6120, 96, 408}, {3195, 96, 213}, {15, 96, 1},  {0, 96, 0},
        {6120, 144, 612}, {1680, 144, 168}, {1680, 192, 224}, {375, 120, 31}, // 31.25
        {735, 144, 74},  // 73.5 rounds up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.twips) + " twips at " + std::to_string(c.dpi) + " dpi");
        EXPECT_EQ(ui::pixels(c.twips, c.dpi), c.expected);
    }
}

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

TEST(Layout, EveryControlOnWholePixelsInsideTheClientArea)
{
    std::set<std::string_view> names;
    for (const ui::ControlSpec& c : ui::controls()) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_TRUE(names.insert(c.name).second) << "name used twice";
        for (int v : {c.box.left, c.box.top, c.box.width, c.box.height}) EXPECT_EQ(v % ui::kTwipsPerPixel, 0);
        EXPECT_LE(c.box.left + c.box.width, ui::kWindow.clientWidth);
        EXPECT_LE(c.box.top + c.box.height, ui::kWindow.clientHeight);
        EXPECT_EQ(ui::findControl(c.name), &c);
    }
    EXPECT_EQ(names.size(), 13u);
    EXPECT_EQ(ui::findControl("Label2(5)"), nullptr);
}

TEST(Layout, TabOrderRunsThroughTheFieldsThenButtonAndBox)
{
    std::string order;
    for (const ui::ControlSpec* c : ui::tabOrder()) order += std::string(c->name) + " ";
    EXPECT_EQ(order, "Text1 Text2 Text3 Text4 Command1 Check1 ");
    for (const char* name : {"Label1", "Label2(3)", "Image1"}) EXPECT_FALSE(ui::takesFocus(*ui::findControl(name)));
}

TEST(Layout, FieldsInTheOrderTheEvaluationTakesThem)
{
    std::string names;
    for (ui::FieldId field : ui::kFields) {
        names += std::string(ui::nameOf(field)) + " ";
        EXPECT_EQ(ui::findControl(ui::nameOf(field))->kind, ui::ControlKind::field);
        EXPECT_EQ(ui::fieldNamed(ui::nameOf(field)), field);
    }
    EXPECT_EQ(names, "Text1 Text2 Text3 Text4 ");
    EXPECT_FALSE(ui::fieldNamed(ui::kResultLabel).has_value());
}

// The two 1s of "   1        1" (a blank as wide as a digit) must stand over
// the bars of 1/T1 and 1/T2: at 12 pt a character is 8 px wide at 96 dpi.
TEST(Layout, TheOnesStandOverTheirFractionBars)
{
    const ui::ControlSpec& label1 = *ui::findControl("Label1");
    const std::u16string_view text = label1.text;
    const int charWidth = 8;
    const int first = ui::pixels(label1.box.left) + int(text.find(u'1')) * charWidth;
    const int second = ui::pixels(label1.box.left) + int(text.rfind(u'1')) * charWidth;
    const ui::LineSpec& line3 = ui::lines()[2];
    const ui::LineSpec& line4 = ui::lines()[3];
    EXPECT_GE(first, ui::pixels(line3.x1));
    EXPECT_LE(first + charWidth, ui::pixels(line3.x2));
    EXPECT_GE(second, ui::pixels(line4.x1));
    EXPECT_LE(second + charWidth, ui::pixels(line4.x2));
}

TEST(Layout, EnterPressesOnlyTheButton)
{
    for (const ui::ControlSpec& c : ui::controls())
        EXPECT_EQ(ui::pressedByEnter(c), c.name == "Command1") << c.name;
}

// A screen reader finds every control but the 1s over the bars; the result
// label is named by its text and described as the result.
TEST(Layout, AccessibleTreeLeavesOutTheDrawnFormula)
{
    for (const ui::ControlSpec& c : ui::controls())
        EXPECT_EQ(ui::inAccessibleTree(c), c.name != "Label1") << c.name;
    const ui::ControlSpec& result = *ui::findControl("Label2(3)");
    EXPECT_TRUE(result.accessibleName.empty());
    EXPECT_EQ(result.accessibleDescription, u"B值计算结果");
    EXPECT_EQ(ui::findControl("Image1")->accessibleName, u"公式：β(T1/T2) = ln(R_T1/R_T2) / (1/T1 − 1/T2)");
}

TEST(Layout, LinesAreHorizontalBarsInTheFormula)
{
    const char* names[] = {"Line1", "Line2", "Line3", "Line4", "Line5"};
    ASSERT_EQ(ui::lines().size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const ui::LineSpec& line = ui::lines()[i];
        EXPECT_EQ(line.name, names[i]);
        EXPECT_EQ(line.y1, line.y2);
        EXPECT_LT(line.x1, line.x2);
    }
}

} // namespace
