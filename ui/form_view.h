// ntc-beta: what a front end provides for the window's controller.
#pragma once

#include "ui/form_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

struct ResultState;

// The window as the controller (form_controller.h) sees it: each front end's
// Form1 implements these in its toolkit's controls and decides nothing
// itself. Any of them may throw; the controller's calculate action turns
// that into its one message.
class FormView {
public:
    virtual ~FormView() = default;

    // The text in an entry field, as the user typed it (any length).
    virtual std::u16string fieldText(FieldId field) const = 0;

    // Check1's value: 0 clear, 1 ticked, 2 greyed.
    virtual std::int16_t checkValue() const = 0;

    // Shows `state` in the result label: its text at its size in the colour
    // it asks for (readable on the face, contrast.h), its tooltip (none when
    // empty); screen readers hear the text, the same one again included.
    virtual void showResult(const ResultState& state) = 0;

    // Marks the field as read only in part, with `hint` as its tooltip and
    // accessible description (field_hint.h); an empty hint clears all three.
    virtual void setFieldHint(FieldId field, std::u16string_view hint) = 0;

    // Puts the text on the clipboard.
    virtual void copyToClipboard(std::u16string_view text) = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
};

} // namespace ui
