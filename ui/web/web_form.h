// ntc-beta: the page's window as the controller sees it, over the page's DOM.
#pragma once

#include "ui/actions.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui::web {

// Form1 in the browser: the elements form_markup.h writes, reached through
// the page's script (page/form.js, the object it hands the module as
// Module.page). Fields are numbered 0…3 for Text1…Text4.
class WebForm {
public:
    // The field's text as typed, of any length.
    std::u16string fieldText(int field) const;

    // Check1: 0 clear, 1 ticked, 2 greyed (set only from code, as on the
    // desktop: a click clears the grey and ticks or clears the box).
    std::int16_t checkValue() const;

    // The result label shows the state: text, size, the colour made
    // readable on the page's face (contrast.h), the tooltip; the page's live
    // region speaks the text, the same text again included.
    void showResult(const ResultState& state);

    // A red corner mark on the field, `hint` as its tooltip and accessible
    // description; an empty hint clears them.
    void setFieldHint(int field, std::u16string_view hint);

    void copyToClipboard(std::u16string_view text);

    // The text selected inside the result label when its menu opened; empty
    // when none was.
    std::u16string selectedResultText() const;

    // The page switched between its light and dark colours: the result and
    // the marks are drawn again in colours readable on the new face.
    void schemeChanged();

    const ResultState& shown() const { return shown_; }

private:
    void applyColours();

    ResultState shown_ = startState();
};

} // namespace ui::web
