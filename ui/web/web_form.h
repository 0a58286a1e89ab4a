// ntc-beta: the page's window as the controller sees it, over the page's DOM.
#pragma once

#include "ui/actions.h"
#include "ui/form_view.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui::web {

// Form1 in the browser: the elements form_markup.h writes, reached through
// the page's script (page/form.js, the object it hands the module as
// Module.page), where a field is its FieldId's number (Text1 is 0).
class WebForm final : public FormView {
public:
    std::u16string fieldText(FieldId field) const override;

    // Check1 is greyed only from code, as on the desktop: a click clears the
    // grey and ticks or clears the box.
    std::int16_t checkValue() const override;

    // The colour made readable on the page's face; the page's live region
    // speaks the text, the same text again included.
    void showResult(const ResultState& state) override;

    // A red corner mark in the field, readable on its ground, and the hint
    // as a note under the window that names the field (hintNote), which the
    // live region speaks after the result it came with.
    void setFieldHint(FieldId field, std::u16string_view hint) override;

    void copyToClipboard(std::u16string_view text) override;

    // The text selected inside the result label when its menu opened; empty
    // when none was.
    std::u16string selectedResultText() const;

    // The page switched between its light and dark colours: the result and
    // the marks are drawn again in colours readable on the new face.
    void schemeChanged();

private:
    void applyColours();

    ResultState shown_ = startState();
};

} // namespace ui::web
