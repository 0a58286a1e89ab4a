// ntc-beta: the window's behaviour, written once for every front end.
#include "ui/form_controller.h"

#include "ui/field_hint.h"
#include "ui/form_view.h"

#include <utility>

namespace ui {

FormController::FormController(FormView& view)
    : view_(view)
    , result_(startState())
{
}

void FormController::calculateClicked() noexcept
{
    try {
        std::array<std::u16string, std::size(kFields)> texts;
        for (FieldId field : kFields) texts[std::size_t(field)] = view_.fieldText(field);
        const std::int16_t check = view_.checkValue();
        show(calculate(texts[0], texts[1], texts[2], texts[3], check));
        markPartlyReadFields(texts, check);
    } catch (...) {
        // Whatever failed (even memory on a huge paste, or the toolkit) ends
        // in the one message; the window carries on.
        result_ = calculationFailed();
        try {
            view_.showResult(result_);
        } catch (...) {
            // The view cannot show even that: the state is still right for
            // the next event, and an event handler must not throw.
        }
    }
}

void FormController::pictureClicked() { show(thanks()); }

void FormController::fieldEdited(FieldId field)
{
    std::u16string& hint = hints_[std::size_t(field)];
    if (hint.empty()) return;
    hint.clear();
    view_.setFieldHint(field, hint);
}

void FormController::copyShownClicked(std::u16string_view selection)
{
    view_.copyToClipboard(copiedText(selection.empty() ? std::u16string_view(result_.text) : selection));
}

bool FormController::copyKeyPressed(bool selectionInFocusedField, std::u16string_view resultSelection)
{
    if (selectionInFocusedField) return false;
    copyShownClicked(resultSelection);
    return true;
}

void FormController::copyFullValueClicked()
{
    if (fullValueShown()) view_.copyToClipboard(result_.fullValue);
}

FontChoice FormController::fontOf(const ControlSpec& control, double dotsPerInch) const
{
    double pointSize = kWindow.pointSize;
    if (control.name == kResultLabel)
        pointSize = result_.pointSize;
    else if (control.kind == ControlKind::label)
        pointSize = control.pointSize;
    return fontFor(pointSize, dotsPerInch);
}

void FormController::show(ResultState state)
{
    result_ = std::move(state);
    view_.showResult(result_);
}

// After a calculation: a field whose ignored rest changes what was meant
// ("25,5" reads 25, "10k" reads 10, "298.15K" with the box clear) is marked;
// every other field loses the mark it had.
void FormController::markPartlyReadFields(const std::array<std::u16string, std::size(kFields)>& texts,
                                          std::int16_t check)
{
    for (FieldId field : kFields) {
        const std::size_t i = std::size_t(field);
        hints_[i] = fieldHint(nameOf(field), texts[i], check).value_or(std::u16string());
        view_.setFieldHint(field, hints_[i]);
    }
}

} // namespace ui
