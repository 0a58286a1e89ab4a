// ntc-beta: the window's behaviour, written once for every front end.
#pragma once

#include "ui/actions.h"
#include "ui/font.h"
#include "ui/form_layout.h"

#include <array>
#include <string>
#include <string_view>

namespace ui {

class FormView;

// Decides everything the window does: the two actions, the fields' hints,
// the result's copy menu and the fonts. A front end's Form1 implements the
// view (form_view.h), makes one controller over it and calls the handler
// that each of its toolkit's events stands for; the view must outlive the
// controller. Starts in startState(), which the controls show from the
// layout: nothing is asked of the view until the first event.
class FormController {
public:
    explicit FormController(FormView& view);

    // A click on Command1 (or Enter while it has the focus): the evaluation
    // of Text1…Text4 and Check1 at 21 points in black (actions.h), shown;
    // then each field's hint after field_hint.h, or none. Whatever fails on
    // the way, the view's own calls included, ends in "输入数值无效" at 21
    // points in black, and nothing escapes.
    void calculateClicked() noexcept;

    // A click on Image1: the thanks text at 11 points in dark red.
    void pictureClicked();

    // A field's text changed (typed, pasted or set): its hint spoke of the
    // text as it was, and goes.
    void fieldEdited(FieldId field);

    // "复制" (kCopyShown) in the result's context menu: the selected part of
    // the result, or all of it where nothing is selected, without its sign
    // blank.
    void copyShownClicked(std::u16string_view selection = {});

    // "复制完整数值" (kCopyFullValue): B in all 15 digits; nothing unless a
    // calculated B is shown.
    void copyFullValueClicked();

    // Ctrl+C (or Ctrl+Insert) wherever the focus is. A field holding a
    // selection copies that itself (false); anywhere else the result is
    // copied as "复制" copies it (`resultSelection`, the part of it selected
    // with the mouse, or all of it), as calculators do (true: the key is
    // taken).
    bool copyKeyPressed(bool selectionInFocusedField, std::u16string_view resultSelection = {});

    // The keyboard's context-menu key (the Menu key, Shift+F10), the label
    // never taking the focus: true where it opens the result's menu, which
    // is everywhere but a field, whose own edit menu it opens.
    static bool menuKeyOpensResultMenu(bool focusInField) { return !focusInField; }

    // Whether the menu offers "复制完整数值": a calculated B is shown.
    bool fullValueShown() const { return !result_.fullValue.empty(); }

    // The state the result label shows now.
    const ResultState& result() const { return result_; }

    // The hint a field shows now; empty when it shows none.
    const std::u16string& hintOf(FieldId field) const { return hints_[std::size_t(field)]; }

    // The font to realise for a control on a device of `dotsPerInch` device
    // pixels per inch: the result label at its current state's size, the
    // other labels at their own, every other control at the window's.
    FontChoice fontOf(const ControlSpec& control, double dotsPerInch) const;

private:
    void show(ResultState state);
    void markPartlyReadFields(const std::array<std::u16string, std::size(kFields)>& texts, std::int16_t check);

    FormView& view_;
    ResultState result_;
    std::array<std::u16string, std::size(kFields)> hints_;
};

} // namespace ui
