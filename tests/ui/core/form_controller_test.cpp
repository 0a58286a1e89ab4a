// The window's behaviour through a fake view: what the controller reads,
// shows, marks and copies, without any toolkit.
#include "ui/form_controller.h"
#include "ui/form_view.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using ui::FieldId;

enum class Fails { nothing, fieldText, checkValue, firstShow, everyShow, setFieldHint };

struct FakeView : ui::FormView {
    std::array<std::u16string, 4> texts;
    std::int16_t check = 0;
    Fails fails = Fails::nothing;
    std::vector<ui::ResultState> shown;
    std::array<std::u16string, 4> hints;
    int hintCalls = 0;
    std::u16string clipboard = u"before";

    void failIf(Fails when) const
    {
        if (fails == when) throw std::runtime_error("the toolkit failed");
    }
    std::u16string fieldText(FieldId field) const override
    {
        failIf(Fails::fieldText);
        return texts[std::size_t(field)];
    }
    std::int16_t checkValue() const override
    {
        failIf(Fails::checkValue);
        return check;
    }
    void showResult(const ui::ResultState& state) override
    {
        shown.push_back(state);
        failIf(Fails::everyShow);
        if (fails == Fails::firstShow) {
            fails = Fails::nothing;
            throw std::bad_alloc();
        }
    }
    void setFieldHint(FieldId field, std::u16string_view hint) override
    {
        failIf(Fails::setFieldHint);
        hints[std::size_t(field)] = hint;
        ++hintCalls;
    }
    void copyToClipboard(std::u16string_view text) override { clipboard = text; }
};

// Each field stands for its own symbol: swapping R1 and R2, or T1 and T2,
// changes the sign; the box's value decides the temperature scale.
TEST(FormController, CalculateReadsEachFieldInItsRole)
{
    const struct {
        std::array<std::u16string, 4> texts;
        std::int16_t check;
        std::u16string_view expected;
    } cases[] = {
        // ln(10) / (1/298.15 - 1/373.15) = 3415.6446...
        {{u"10000", u"1000", u"25", u"100"}, 0, u" 3415.64"},
        {{u"1000", u"10000", u"25", u"100"}, 0, u"-3415.64"},
        {{u"10000", u"1000", u"100", u"25"}, 0, u"-3415.64"},
        // Kelvin: ln(10) / (1/25 - 1/100) = 76.752836...
        {{u"10000", u"1000", u"25", u"100"}, 1, u" 76.7528"},
        {{u"10000", u"1000", u"25", u"100"}, 2, u" 76.7528"}, // greyed counts as ticked
    };
    for (const auto& c : cases) {
        FakeView view;
        view.texts = c.texts;
        view.check = c.check;
        ui::FormController controller(view);
        controller.calculateClicked();
        ASSERT_EQ(view.shown.size(), 1u);
        EXPECT_EQ(view.shown[0].text, c.expected);
        EXPECT_EQ(controller.result().text, c.expected);
    }
}

// After the thanks text, any failure of the view still ends in the one
// message at 21 points in black, and nothing escapes the handler.
TEST(FormController, EveryFailureOfTheCalculationEndsInTheOneMessage)
{
    for (Fails fails : {Fails::fieldText, Fails::checkValue, Fails::firstShow, Fails::everyShow, Fails::setFieldHint}) {
        SCOPED_TRACE(int(fails));
        FakeView view;
        view.texts = {u"10000", u"1000", u"25", u"100"};
        ui::FormController controller(view);
        controller.pictureClicked();
        view.fails = fails;
        controller.calculateClicked();
        for (const ui::ResultState& state : {view.shown.back(), controller.result()}) {
            EXPECT_EQ(state.text, u"输入数值无效");
            EXPECT_EQ(state.pointSize, 21);
            EXPECT_EQ(state.colour, ui::Bgr{0});
        }
    }
}

// A hint comes with a calculation and goes with the first change of its
// field's text; other fields' edits and the thanks action leave it.
TEST(FormController, HintLivesUntilItsFieldChanges)
{
    FakeView view;
    view.texts = {u"10000", u"1000", u"25,5", u"100"};
    ui::FormController controller(view);
    controller.calculateClicked();
    const std::u16string hint = u"读取为 25，忽略了“,5”；小数点请用“.”";
    EXPECT_EQ(view.hints, (std::array<std::u16string, 4>{u"", u"", hint, u""}));
    EXPECT_EQ(controller.hintOf(FieldId::Text3), hint);

    const int calls = view.hintCalls;
    controller.fieldEdited(FieldId::Text1);
    controller.pictureClicked();
    EXPECT_EQ(view.hints[2], hint);
    controller.fieldEdited(FieldId::Text3);
    controller.fieldEdited(FieldId::Text3);
    EXPECT_EQ(view.hints[2], u"");
    EXPECT_EQ(controller.hintOf(FieldId::Text3), u"");
    EXPECT_EQ(view.hintCalls, calls + 1); // cleared once, then nothing to clear
}

TEST(FormController, CopyMenu)
{
    const struct {
        bool calculated;
        std::u16string_view selection, copiedShown, copiedFull;
    } cases[] = {
        // Datasheet pair: B25/85 = 3984.0129641060778862...
        {true, u"", u"3984.01", u"3984.01296410608"},
        {true, u" 3984", u"3984", u"3984.01296410608"},
        {false, u"", u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko", u"before"},
    };
    for (const auto& c : cases) {
        FakeView view;
        view.texts = {u"10000", u"1066.1", u"25", u"85"};
        ui::FormController controller(view);
        if (c.calculated) controller.calculateClicked();
        else controller.pictureClicked();
        EXPECT_EQ(controller.fullValueShown(), c.calculated);
        controller.copyFullValueClicked();
        EXPECT_EQ(view.clipboard, c.copiedFull);
        controller.copyShownClicked(c.selection);
        EXPECT_EQ(view.clipboard, c.copiedShown);
    }
}

// Ctrl+C copies the result as "复制" does, unless the focused field holds
// a selection, which the field copies itself.
TEST(FormController, CopyKey)
{
    const struct {
        bool calculated, selectionInField;
        std::u16string_view resultSelection;
        bool taken;
        std::u16string_view clipboard;
    } cases[] = {
        {true, false, u"", true, u"3984.01"},
        {false, false, u"", true, u"填入数值"},
        {true, false, u"84.0", true, u"84.0"},
        {true, true, u"84.0", false, u"before"},
    };
    for (const auto& c : cases) {
        FakeView view;
        view.texts = {u"10000", u"1066.1", u"25", u"85"};
        ui::FormController controller(view);
        if (c.calculated) controller.calculateClicked();
        EXPECT_EQ(controller.copyKeyPressed(c.selectionInField, c.resultSelection), c.taken);
        EXPECT_EQ(view.clipboard, c.clipboard);
    }
}

// Ems in device pixels: points × dpi / 72, rounded; crisp bitmaps where
// that lands on 11 to 16 pixels.
TEST(FormController, FontOfEachControl)
{
    const struct {
        std::string_view control;
        bool thanks;
        double dpi;
        int pixelHeight;
        bool antialiased;
    } cases[] = {
        {ui::kResultLabel, false, 96, 28, true},  // 21 pt
        {ui::kResultLabel, true, 96, 15, false},  // 11 pt: 14.67 px, realised as 15
        {ui::kResultLabel, false, 144, 42, true},
        {"Text1", false, 96, 12, false},     // 9 pt, the window's
        {"Text1", false, 144, 18, true},
        {"Command1", true, 96, 12, false},
        {"Label1", false, 96, 16, false},    // 12 pt
        {"Label2(0)", true, 96, 21, true},   // 15.75 pt
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control));
        FakeView view;
        ui::FormController controller(view);
        if (c.thanks) controller.pictureClicked();
        const ui::FontChoice font = controller.fontOf(*ui::findControl(c.control), c.dpi);
        EXPECT_EQ(font.face, u"宋体");
        EXPECT_EQ(font.weight, 400);
        EXPECT_EQ(font.pixelHeight, c.pixelHeight);
        EXPECT_EQ(font.antialiased, c.antialiased);
    }
}

} // namespace
