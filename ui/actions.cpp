// ntc-beta: the window's two actions, as the result label's next state.
#include "ui/actions.h"

#include "calc/b_value.h"
#include "calc/number_text.h"
#include "ui/form_layout.h"

namespace ui {

namespace {
constexpr double kResultPointSize = 21;
constexpr double kThanksPointSize = 11;
constexpr Bgr kBlack = 0x000000;
constexpr Bgr kDarkRed = 0x000080;

std::u16string widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// The full value and the tooltip of the B the four texts give, which the
// evaluation has just shown as a number. The texts are read again here so
// that the evaluation's contract stays a text.
void describeB(ResultState& state, std::u16string_view text1, std::u16string_view text2,
               std::u16string_view text3, std::u16string_view text4, std::int16_t check)
{
    const bool celsius = check == 0;
    const double t1 = calc::Val(text3);
    const double t2 = calc::Val(text4);
    const double b = calc::computeB(calc::Val(text1), calc::Val(text2), t1, t2, celsius);
    const double t1Kelvin = celsius ? calc::add(t1, calc::kCelsiusOffset) : t1;
    const double t2Kelvin = celsius ? calc::add(t2, calc::kCelsiusOffset) : t2;
    state.fullValue = widen(calc::fullValueText(b));
    state.toolTip = widen(calc::betaName(t1Kelvin, t2Kelvin)) + u" = " + state.fullValue + u" K";
}

bool isMessage(std::u16string_view text) { return text == calc::kFillInMessage || text == calc::kInvalidMessage; }

} // namespace

std::u16string copiedText(std::u16string_view shown)
{
    if (!shown.empty() && shown.front() == u' ') shown.remove_prefix(1);
    return std::u16string(shown);
}

ResultState startState()
{
    return {std::u16string(findControl("Label2(3)")->text), kResultPointSize, std::nullopt, {}, {}};
}

ResultState calculate(std::u16string_view text1, std::u16string_view text2, std::u16string_view text3,
                      std::u16string_view text4, std::int16_t check) noexcept
{
    // Size and colour are set first and always, so a failure still shows its
    // message at 21 points in black.
    ResultState state;
    state.pointSize = kResultPointSize;
    state.colour = kBlack;
    try {
        state.text = calc::evaluate(text1, text2, text3, text4, check);
        if (!isMessage(state.text)) describeB(state, text1, text2, text3, text4, check);
    } catch (...) {
        return calculationFailed(); // only memory can fail here
    }
    return state;
}

ResultState calculationFailed() noexcept
{
    // Six UTF-16 units fit the string's own small buffer: nothing to allocate.
    return {std::u16string(calc::kInvalidMessage), kResultPointSize, kBlack, {}, {}};
}

ResultState thanks() { return {std::u16string(kThanksText), kThanksPointSize, kDarkRed, {}, {}}; }

} // namespace ui
