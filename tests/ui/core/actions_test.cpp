// The two actions as the result label's next state.
#include "ui/actions.h"

#include <gtest/gtest.h>

namespace {

TEST(Actions, StartState)
{
    const ui::ResultState s = ui::startState();
    EXPECT_EQ(s.text, u"填入数值");
    EXPECT_EQ(s.pointSize, 21);
    EXPECT_FALSE(s.colour.has_value()); // the system's default text colour
}

TEST(Actions, CalculateGivesTheLabelsNextState)
{
    const struct {
        const char16_t *r1, *r2, *t1, *t2;
        std::int16_t check;
        std::u16string_view expected;
    } cases[] = {
        // ln(10) / (1/298.15 - 1/373.15) = 3415.6446...
        {u"10000", u"1000", u"25", u"100", 0, u" 3415.64"},
        {u"10000", u"1000", u"298.15", u"373.15", 1, u" 3415.64"},
        {u"", u"", u"", u"", 0, u"请填入数值"},
        {u"10000", u"1000", u"25", u"25", 0, u"输入数值无效"},
    };
    for (const auto& c : cases) {
        const ui::ResultState s = ui::calculate(c.r1, c.r2, c.t1, c.t2, c.check);
        EXPECT_EQ(s.text, c.expected);
        EXPECT_EQ(s.pointSize, 21);
        EXPECT_EQ(s.colour, ui::Bgr{0});
    }
}

// The full value and the name of a calculated B; B from the datasheet pair
// 10 kOhm at 25 degC, 1066.1 Ohm at 85 degC, worked at 30 digits:
// ln(10000/1066.1) / (1/298.15 - 1/358.15) = 3984.0129641060778862...
TEST(Actions, CalculatedBCarriesItsFullValueAndName)
{
    const struct {
        const char16_t *r1, *r2, *t1, *t2;
        std::int16_t check;
        std::u16string_view fullValue, toolTip;
    } cases[] = {
        {u"10000", u"1066.1", u"25", u"85", 0, u"3984.01296410608", u"B25/85 = 3984.01296410608 K"},
        {u"10000", u"1066.1", u"298.15", u"358.15", 1, u"3984.01296410608", u"B25/85 = 3984.01296410608 K"},
        // ln(10) / (1/298.65 - 1/358.15) = 4139.2932717280652...
        {u"10000", u"1000", u"25.5", u"85", 0, u"4139.29327172807", u"B25.5/85 = 4139.29327172807 K"},
        {u"1066.1", u"10000", u"25", u"85", 0, u"-3984.01296410608", u"B25/85 = -3984.01296410608 K"},
        // The messages have neither.
        {u"", u"1000", u"25", u"85", 0, u"", u""},
        {u"10000", u"1000", u"25", u"25", 0, u"", u""},
    };
    for (const auto& c : cases) {
        const ui::ResultState s = ui::calculate(c.r1, c.r2, c.t1, c.t2, c.check);
        EXPECT_EQ(s.fullValue, c.fullValue);
        EXPECT_EQ(s.toolTip, c.toolTip);
    }
    EXPECT_TRUE(ui::thanks().toolTip.empty());
    EXPECT_TRUE(ui::startState().fullValue.empty());
}

TEST(Actions, CopiedTextDropsTheLeadingBlank)
{
    EXPECT_EQ(ui::copiedText(u" 3984.01"), u"3984.01");
    EXPECT_EQ(ui::copiedText(u"-3415.64"), u"-3415.64");
    EXPECT_EQ(ui::copiedText(u"请填入数值"), u"请填入数值");
    EXPECT_EQ(ui::copiedText(u""), u"");
}

TEST(Actions, ThanksInDarkRedAtElevenPoints)
{
    const ui::ResultState s = ui::thanks();
    EXPECT_EQ(s.text, u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko");
    EXPECT_EQ(s.pointSize, 11);
    ASSERT_TRUE(s.colour.has_value());
    // 0x00BBGGRR: red 128 in the low byte.
    EXPECT_EQ(ui::redOf(*s.colour), 128);
    EXPECT_EQ(ui::greenOf(*s.colour), 0);
    EXPECT_EQ(ui::blueOf(*s.colour), 0);
}

TEST(Actions, FailureOfTheFrontEndShowsTheOneMessage)
{
    const ui::ResultState s = ui::calculationFailed();
    EXPECT_EQ(s.text, u"输入数值无效");
    EXPECT_EQ(s.pointSize, 21);
    EXPECT_EQ(s.colour, ui::Bgr{0});
}

} // namespace
