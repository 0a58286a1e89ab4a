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
        EXPECT_EQ(&ui::control(c.id), &c);
        EXPECT_EQ(ui::nameOf(c.id), c.name);
    }
    EXPECT_EQ(names.size(), 13u);
    EXPECT_EQ(ui::findControl("Label2(5)"), nullptr);
    EXPECT_EQ(ui::control(ui::kResultLabel).name, "Label2(3)");
    EXPECT_EQ(ui::nameOf(ui::ControlId::Form1), "Form1");
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
    std::string temperatures;
    for (ui::FieldId field : ui::kFields) {
        names += std::string(ui::nameOf(field)) + " ";
        EXPECT_EQ(ui::control(ui::controlOf(field)).kind, ui::ControlKind::field);
        EXPECT_EQ(ui::fieldOf(ui::controlOf(field)), field);
        if (ui::holdsTemperature(field)) temperatures += std::string(ui::nameOf(field)) + " ";
    }
    EXPECT_EQ(names, "Text1 Text2 Text3 Text4 ");
    EXPECT_EQ(temperatures, "Text3 Text4 ");
    int fields = 0;
    for (const ui::ControlSpec& c : ui::controls()) fields += ui::fieldOf(c.id).has_value();
    EXPECT_EQ(fields, 4);
    EXPECT_FALSE(ui::fieldOf(ui::ControlId::Form1).has_value());
}

// Ems in device pixels: points × dpi / 72, rounded; crisp bitmaps where
// that lands on 11 to 16 pixels.
TEST(Layout, FontOfEachControl)
{
    const struct {
        ui::ControlId control;
        double dpi;
        int pixelHeight;
        bool antialiased;
    } cases[] = {
        {ui::kResultLabel, 96, 28, true}, // 21 pt
        {ui::kResultLabel, 144, 42, true},
        {ui::ControlId::Text1, 96, 12, false}, // 9 pt, the window's
        {ui::ControlId::Text1, 144, 18, true},
        {ui::ControlId::Command1, 96, 12, false},
        {ui::ControlId::Image1, 96, 12, false},
        {ui::ControlId::Label1, 96, 16, false},   // 12 pt
        {ui::ControlId::Label2_0, 96, 21, true},  // 15.75 pt
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(ui::nameOf(c.control)));
        const ui::FontChoice font = ui::fontOf(c.control, c.dpi);
        EXPECT_EQ(font.face, u"宋体");
        EXPECT_EQ(font.weight, 400);
        EXPECT_EQ(font.pixelHeight, c.pixelHeight);
        EXPECT_EQ(font.antialiased, c.antialiased);
    }
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
