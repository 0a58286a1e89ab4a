// ntc-beta: what a front end provides for the window's controller.
#pragma once

#include "ui/colour.h"
#include "ui/contrast.h"
#include "ui/form_event.h"
#include "ui/form_layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// What the user has put into the window: the fields' texts as typed (any
// length), by FieldId, and Check1's value (0 clear, 1 ticked, 2 greyed).
struct FormInputs {
    std::array<std::u16string, std::size(kFields)> texts;
    std::int16_t check = 0;
};

// Everything the result label shows: `text` at `pointSize` points in
// `colour` (already readable on the scheme's face), `toolTip` (none when
// empty), and `announcement`: what a screen reader is to hear now, the same
// words again included (the result, then the notes of the hints that came
// with it); empty where the label is only drawn again in new colours.
// Whether its menu offers "复制完整数值" comes with the menu (ResultMenu),
// which every front end builds or updates as it opens.
struct ShownResult {
    std::u16string text;
    double pointSize = 21;
    Bgr colour = 0;
    std::u16string toolTip;
    std::u16string announcement;
};

// A field's hint (field_hint.h): empty for none; `note` is the same hint
// naming its field ("R1：读取为 10…", hintNote), for a line outside the
// field; `mark` the colour of the field's corner mark, readable on its ground.
struct ShownHint {
    std::u16string hint;
    std::u16string note;
    Bgr mark = 0;
};

// The result's context menu, in its order: each entry's text (access key
// after "&") and whether it can be chosen.
struct MenuItem {
    MenuEntry entry;
    std::u16string_view text;
    bool enabled;
};
using ResultMenu = std::array<MenuItem, 2>;

// The window as the controller (form_controller.h) sees it: each front end's
// Form1 implements these in its toolkit's controls and decides nothing
// itself; it reports its toolkit's events to FormController::handle, and no
// call here calls the controller back. Any of them may throw: the controller
// ends the event there (a calculation in its one message).
class FormView {
public:
    virtual ~FormView() = default;

    // The fields' texts and the check box's value.
    virtual FormInputs inputs() const = 0;

    // The text selected in a field or in the result label; empty where none
    // is.
    virtual std::u16string selectedText(ControlId control) const = 0;

    // The colours the window is drawn in now.
    virtual Scheme scheme() const = 0;

    virtual void showResult(const ShownResult& result) = 0;

    // The field's hint: the mark, and the hint as its tooltip and accessible
    // description; an empty hint clears them.
    virtual void showFieldHint(FieldId field, const ShownHint& hint) = 0;

    // Opens the result's menu at `at` (where the pointer was), or just below
    // the result label's bottom left corner where `at` is none (from the
    // keyboard); the chosen entry comes back as a menuChoice event.
    virtual void openResultMenu(const ResultMenu& menu, std::optional<ViewPoint> at) = 0;

    // Puts the text on the clipboard.
    virtual void copyToClipboard(std::u16string_view text) = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
};

} // namespace ui
