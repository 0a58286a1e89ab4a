// The window's behaviour through a fake view: which event of which control
// does what, and what the controller reads, shows, marks, opens and copies,
// without any toolkit.
#include "ui/form_controller.h"
#include "ui/form_view.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

namespace {

using ui::ControlId;
using ui::Event;
using ui::FieldId;
using ui::Key;

enum class Fails { nothing, inputs, firstShow, everyShow, showFieldHint };

// Breeze Dark's window, and a plain light one.
constexpr ui::Scheme kLight{0xF0F0F0, 0x000000, 0xFFFFFF, 0x000000};
constexpr ui::Scheme kDark{0x3B3631, 0xFCFCFC, 0x201E1B, 0xFCFCFC};

struct FakeView : ui::FormView {
    ui::FormInputs in{{u"10000", u"1066.1", u"25", u"85"}, 0};
    std::map<ControlId, std::u16string> selections;
    ui::Scheme colours = kLight;
    Fails fails = Fails::nothing;
    mutable int schemeReads = 0;
    std::vector<ui::ShownResult> shown;
    std::array<ui::ShownHint, 4> hints;
    int hintCalls = 0;
    std::vector<std::pair<ui::ResultMenu, std::optional<ui::ViewPoint>>> menus;
    std::u16string clipboard = u"before";

    void failIf(Fails when) const
    {
        if (fails == when) throw std::runtime_error("the toolkit failed");
    }
    ui::FormInputs inputs() const override
    {
        failIf(Fails::inputs);
        return in;
    }
    std::u16string selectedText(ControlId control) const override
    {
        const auto found = selections.find(control);
        return found == selections.end() ? u"" : found->second;
    }
    ui::Scheme scheme() const override
    {
        ++schemeReads;
        return colours;
    }
    void showResult(const ui::ShownResult& result) override
    {
        shown.push_back(result);
        failIf(Fails::everyShow);
        if (fails == Fails::firstShow) {
            fails = Fails::nothing;
            throw std::bad_alloc();
        }
    }
    void showFieldHint(FieldId field, const ui::ShownHint& hint) override
    {
        failIf(Fails::showFieldHint);
        hints[std::size_t(field)] = hint;
        ++hintCalls;
    }
    void openResultMenu(const ui::ResultMenu& menu, std::optional<ui::ViewPoint> at) override
    {
        menus.emplace_back(menu, at);
    }
    void copyToClipboard(std::u16string_view text) override { clipboard = text; }
};

struct Window {
    FakeView view;
    ui::FormController controller{view};

    bool click(ControlId control) { return controller.handle(control, Event::click()); }
    bool key(ControlId control, ui::KeyChord chord) { return controller.handle(control, Event::key(chord)); }
    const ui::ShownResult& last() const { return view.shown.back(); }
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
        Window w;
        w.view.in = {c.texts, c.check};
        EXPECT_TRUE(w.click(ControlId::Command1));
        ASSERT_EQ(w.view.shown.size(), 1u);
        EXPECT_EQ(w.last().text, c.expected);
    }
}

// What the label is given for each action: text, size, colour, tooltip,
// and the words a screen reader hears.
TEST(FormController, ShowsEverythingTheLabelNeeds)
{
    const std::u16string thanks = u"希望此小小工具节省了你几分钟的时间！     Designed By: Tavrenko";
    const struct {
        std::array<std::u16string, 4> texts;
        ControlId clicked;
        std::u16string_view text;
        double pointSize;
        ui::Bgr colour;
        std::u16string_view toolTip;
        std::u16string_view announcement;
    } cases[] = {
        // ln(10000/1066.1) / (1/298.15 - 1/358.15) = 3984.0129641060778862...
        {{u"10000", u"1066.1", u"25", u"85"}, ControlId::Command1, u" 3984.01", 21, 0, u"B25/85 = 3984.01296410608 K",
         u"3984.01"},
        // R1 reads 10: ln(10/1066.1) / (1/298.15 - 1/358.15) = -8309.767748008...
        {{u"10k", u"1066.1", u"25", u"85"}, ControlId::Command1, u"-8309.76", 21, 0, u"B25/85 = -8309.76774800852 K",
         u"-8309.76。R1：读取为 10，忽略了“k”；前缀不参与换算，请写完整数值"},
        {{u"", u"", u"", u""}, ControlId::Command1, u"请填入数值", 21, 0, u"", u"请填入数值"},
        {{u"", u"", u"", u""}, ControlId::Image1, thanks, 11, 0x000080, u"", thanks},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.clicked));
        Window w;
        w.view.in.texts = c.texts;
        w.click(c.clicked);
        ASSERT_EQ(w.view.shown.size(), 1u);
        const ui::ShownResult& r = w.last();
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.pointSize, c.pointSize);
        EXPECT_EQ(r.colour, c.colour);
        EXPECT_EQ(r.toolTip, c.toolTip);
        EXPECT_EQ(r.announcement, c.announcement);
    }
}

// The same result twice is heard twice: every action announces.
TEST(FormController, RepeatedResultIsAnnouncedAgain)
{
    Window w;
    w.click(ControlId::Command1);
    w.click(ControlId::Command1);
    w.click(ControlId::Image1);
    w.click(ControlId::Image1);
    ASSERT_EQ(w.view.shown.size(), 4u);
    EXPECT_EQ(w.view.shown[1].announcement, u"3984.01");
    EXPECT_EQ(w.view.shown[3].announcement, w.view.shown[3].text);
}

// After the thanks text, any failure of the view still ends in the one
// message at 21 points in black, and nothing escapes the handler.
TEST(FormController, EveryFailureOfTheCalculationEndsInTheOneMessage)
{
    for (Fails fails : {Fails::inputs, Fails::firstShow, Fails::everyShow, Fails::showFieldHint}) {
        SCOPED_TRACE(int(fails));
        Window w;
        w.click(ControlId::Image1);
        w.view.fails = fails;
        w.click(ControlId::Command1);
        EXPECT_EQ(w.last().text, u"输入数值无效");
        EXPECT_EQ(w.last().pointSize, 21);
        EXPECT_EQ(w.last().colour, ui::Bgr{0});
        w.view.fails = Fails::nothing;
        w.controller.handle(ui::kResultLabel, Event::menuRequest(ui::ViewPoint{}));
        ASSERT_EQ(w.view.menus.size(), 1u);
        EXPECT_FALSE(w.view.menus[0].first[1].enabled); // no B to copy in full
    }
}

// Which event of which control does something: the button and the picture
// act on a click; Enter presses only the button, once however long it is
// held; the menu opens on the result, or from the keyboard outside the
// fields; nothing else is taken from the toolkit.
TEST(FormController, EachEventGoesToItsHandler)
{
    const ui::KeyChord enter{Key::enter};
    const ui::KeyChord heldEnter{Key::enter, false, false, false, false, true};
    const ui::KeyChord ctrlEnter{Key::enter, true};
    const ui::KeyChord menuKey{Key::menu};
    const ui::KeyChord typed{Key::other};
    const ui::ViewPoint at{30, 20};
    enum Outcome { nothing, calculated, thanked, menuAtPointer, menuBelowResult };
    const struct {
        ControlId control;
        Event event;
        bool taken;
        Outcome outcome;
    } cases[] = {
        {ControlId::Command1, Event::click(), true, calculated},
        {ControlId::Image1, Event::click(), true, thanked},
        {ControlId::Check1, Event::click(), false, nothing},
        {ControlId::Label1, Event::click(), false, nothing},
        {ui::kResultLabel, Event::click(), false, nothing},
        {ui::kResultLabel, Event::tap(at), true, menuAtPointer},
        {ControlId::Command1, Event::tap(at), true, calculated},
        {ControlId::Command1, Event::key(enter), true, calculated},
        {ControlId::Command1, Event::key(heldEnter), true, nothing},
        {ControlId::Command1, Event::key(ctrlEnter), true, nothing},
        {ControlId::Text1, Event::key(enter), false, nothing},
        {ControlId::Check1, Event::key(enter), false, nothing},
        {ControlId::Form1, Event::key(enter), false, nothing},
        {ControlId::Command1, Event::key(typed), false, nothing},
        {ui::kResultLabel, Event::menuRequest(at), true, menuAtPointer},
        {ControlId::Command1, Event::menuRequest(at), false, nothing},
        {ControlId::Text2, Event::menuRequest(at), false, nothing},
        {ControlId::Command1, Event::key(menuKey), true, menuBelowResult},
        {ControlId::Check1, Event::menuRequest(std::nullopt), true, menuBelowResult},
        {ControlId::Form1, Event::key(menuKey), true, menuBelowResult},
        {ui::kResultLabel, Event::key(menuKey), true, menuBelowResult},
        {ControlId::Text3, Event::key(menuKey), false, nothing},
        {ControlId::Text3, Event::menuRequest(std::nullopt), false, nothing},
        {ControlId::Text1, Event::edit(), false, nothing},
        {ControlId::Form1, Event::schemeChange(), false, nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(ui::nameOf(c.control)) + " event " + std::to_string(int(c.event.kind)));
        Window w;
        EXPECT_EQ(w.controller.handle(c.control, c.event), c.taken);
        Outcome outcome = nothing;
        if (!w.view.shown.empty()) outcome = w.last().pointSize == 21 ? calculated : thanked;
        if (!w.view.menus.empty()) {
            ASSERT_EQ(w.view.menus.size(), 1u);
            const std::optional<ui::ViewPoint>& where = w.view.menus[0].second;
            outcome = where ? menuAtPointer : menuBelowResult;
            if (where) {
                EXPECT_EQ(where->x * 100 + where->y, 3020);
            }
        }
        EXPECT_EQ(w.view.shown.size() + w.view.menus.size(), outcome == nothing ? 0u : 1u);
        EXPECT_EQ(outcome, c.outcome);
    }
}

// A hint comes with a calculation and goes with the first change of its
// field's text; other fields' edits and the thanks action leave it.
TEST(FormController, HintLivesUntilItsFieldChanges)
{
    Window w;
    w.view.in.texts = {u"10000", u"1000", u"25,5", u"100"};
    w.click(ControlId::Command1);
    const std::u16string hint = u"读取为 25，忽略了“,5”；小数点请用“.”";
    std::array<std::u16string, 4> hints;
    for (std::size_t i = 0; i < 4; ++i) hints[i] = w.view.hints[i].hint;
    EXPECT_EQ(hints, (std::array<std::u16string, 4>{u"", u"", hint, u""}));
    EXPECT_EQ(w.view.hints[2].note, u"T1：" + hint);
    EXPECT_EQ(w.last().announcement, u"3415.64。T1：" + hint);

    const int calls = w.view.hintCalls;
    w.controller.handle(ControlId::Text1, Event::edit());
    w.click(ControlId::Image1);
    EXPECT_EQ(w.view.hints[2].hint, hint);
    w.controller.handle(ControlId::Text3, Event::edit());
    w.controller.handle(ControlId::Text3, Event::edit());
    EXPECT_EQ(w.view.hints[2].hint, u"");
    EXPECT_EQ(w.view.hints[2].note, u"");
    EXPECT_EQ(w.view.hintCalls, calls + 1); // cleared once, then nothing to clear
}

// The menu offers the full value only after a calculation; "复制" copies
// the part of the result selected when the menu opened, or all of it.
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
        Window w;
        w.click(c.calculated ? ControlId::Command1 : ControlId::Image1);
        w.view.selections[ui::kResultLabel] = c.selection;
        w.controller.handle(ui::kResultLabel, Event::menuRequest(ui::ViewPoint{}));
        w.view.selections.clear(); // choosing an entry clears the selection
        ASSERT_EQ(w.view.menus.size(), 1u);
        const ui::ResultMenu& menu = w.view.menus[0].first;
        EXPECT_EQ(menu[0].text, u"复制(&C)");
        EXPECT_EQ(menu[1].text, u"复制完整数值(&F)");
        EXPECT_TRUE(menu[0].enabled);
        EXPECT_EQ(menu[1].enabled, c.calculated);
        EXPECT_TRUE(w.controller.handle(ui::kResultLabel, Event::menuChoice(menu[1].entry)));
        EXPECT_EQ(w.view.clipboard, c.copiedFull);
        w.controller.handle(ui::kResultLabel, Event::menuChoice(menu[0].entry));
        EXPECT_EQ(w.view.clipboard, c.copiedShown);
    }
}

// Ctrl+C copies the result as "复制" does wherever the focus is, unless the
// focused field holds a selection, which the field copies itself.
TEST(FormController, CopyKey)
{
    const ui::KeyChord ctrlC{Key::c, true};
    const struct {
        bool calculated;
        ControlId focus;
        std::u16string_view fieldSelection, resultSelection;
        bool taken;
        std::u16string_view clipboard;
    } cases[] = {
        {true, ControlId::Command1, u"", u"", true, u"3984.01"},
        {false, ControlId::Form1, u"", u"", true, u"填入数值"},
        {true, ControlId::Text1, u"", u"84.0", true, u"84.0"},
        {true, ControlId::Text2, u"1066", u"84.0", false, u"before"},
    };
    for (const auto& c : cases) {
        Window w;
        if (c.calculated) w.click(ControlId::Command1);
        w.view.selections[c.focus] = c.fieldSelection;
        w.view.selections[ui::kResultLabel] = c.resultSelection;
        EXPECT_EQ(w.key(c.focus, ctrlC), c.taken);
        EXPECT_EQ(w.view.clipboard, c.clipboard);
    }
}

// Colours come readable on the view's scheme, read once, and again at each
// change of it, when what the actions showed is drawn again, unannounced.
TEST(FormController, ColoursFollowTheScheme)
{
    Window w;
    EXPECT_FALSE(w.controller.handle(ControlId::Form1, Event::schemeChange()));
    EXPECT_TRUE(w.view.shown.empty()); // the start state keeps the toolkit's colours
    w.view.in.texts = {u"10000", u"1000", u"25,5", u"100"};
    w.click(ControlId::Image1);
    w.click(ControlId::Command1);
    w.click(ControlId::Image1);
    EXPECT_EQ(w.view.schemeReads, 1);
    EXPECT_EQ(w.last().colour, 0x000080u);
    EXPECT_EQ(w.view.hints[2].mark, 0x0000D0u);

    w.view.colours = kDark;
    w.controller.handle(ControlId::Form1, Event::schemeChange());
    EXPECT_EQ(w.view.schemeReads, 2);
    // Dark red 0x000080 lightened until it reads at 4.5:1 on #31363B.
    EXPECT_EQ(w.last().colour, ui::bgr(0xFF, 0x6F, 0x6F));
    EXPECT_EQ(w.last().announcement, u"");
    EXPECT_GE(ui::contrastRatio(w.view.hints[2].mark, kDark.ground), 4.5);
    EXPECT_EQ(w.view.hints[2].hint, u"读取为 25，忽略了“,5”；小数点请用“.”");

    w.click(ControlId::Command1);
    EXPECT_EQ(w.last().colour, kDark.text); // black turns to the scheme's text
}

} // namespace
