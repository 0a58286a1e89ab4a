// ntc-beta: the window's two actions, as the result label's next state.
#include "ui/actions.h"

#include "calc/b_value.h"
#include "calc/number_writing.h"
#include "ui/form_layout.h"

namespace ui {

namespace {
constexpr double kResultPointSize = 21;
constexpr double kThanksPointSize = 11;
constexpr Bgr kBlack = 0x000000;
constexpr Bgr kDarkRed = 0x000080;

std::u16string widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

} // namespace

std::u16string copiedText(std::u16string_view shown)
{
    if (!shown.empty() && shown.front() == u' ') shown.remove_prefix(1);
    return std::u16string(shown);
}

ResultState startState()
{
    return {std::u16string(control(kResultLabel).text), kResultPointSize, std::nullopt, {}, {}};
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
        calc::Evaluation evaluation = calc::evaluateInFull(text1, text2, text3, text4, check);
        state.text = std::move(evaluation.text);
        if (evaluation.b) {
            // What the cut text leaves out: B in full, named after its two
            // temperatures, for the tooltip and the copy menu.
            state.fullValue = widen(calc::fullValueText(*evaluation.b));
            state.toolTip = widen(calc::betaName(evaluation.t1Kelvin, evaluation.t2Kelvin)) + u" = " +
                            state.fullValue + u" K";
        }
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
