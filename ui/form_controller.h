// ntc-beta: the window's behaviour, written once for every front end.
#pragma once

#include "ui/actions.h"
#include "ui/contrast.h"
#include "ui/form_event.h"
#include "ui/form_layout.h"

#include <array>
#include <optional>
#include <string>

namespace ui {

class FormView;

// Decides everything the window does. A front end's Form1 implements the
// view (form_view.h), makes one controller over it and hands it each event
// of its toolkit as (control, event), as a dialog's handlers take them; the
// view must outlive the controller. Starts in startState(), which the
// controls show from the layout: nothing is asked of the view until the
// first event.
//
//   click on Command1, or a press (Enter) while it has the focus
//       the evaluation of Text1…Text4 and Check1 (actions.h), shown at 21
//       points in black; then each field's hint after field_hint.h, or none.
//       Whatever fails on the way, the view's own calls included, ends in
//       "输入数值无效" at 21 points in black.
//   click on Image1          the thanks text at 11 points in dark red.
//   edit of a field          the field's hint spoke of the text as it was,
//                            and goes.
//   menuRequest on the result label, a tap on it, or a contextMenu key
//   anywhere but in a field (whose own edit menu it is)
//       the result's menu: "复制" copies the part of the result selected
//       when it opened, or all of it, without its sign blank; "复制完整数值"
//       B in all 15 digits, offered only while a calculated B shows.
//   copy key anywhere        the result, as "复制" copies it, unless the
//                            focused field holds a selection (the field's
//                            to copy).
//   schemeChange on Form1    what the actions showed, drawn again in colours
//                            readable on the new scheme (contrast.h).
//
// Every colour is made readable on the view's scheme, read when first needed
// and again at each scheme change.
class FormController {
public:
    explicit FormController(FormView& view);

    // Handles one event; true where the event was taken, so that the
    // toolkit does nothing more with it (a key, a menu request). Never
    // throws: an event whose handling fails ends there.
    bool handle(ControlId control, const Event& event) noexcept;

private:
    bool clicked(ControlId control, const Event& event);
    void calculateClicked() noexcept;
    void pictureClicked();
    void fieldEdited(FieldId field);
    bool keyPressed(ControlId control, const KeyChord& chord);
    bool copyKeyPressed(ControlId control);
    bool menuRequested(ControlId control, std::optional<ViewPoint> at);
    void menuEntryChosen(MenuEntry entry);
    void schemeChanged();

    void showResult(std::u16string announcement);
    void showHint(FieldId field);
    const Scheme& scheme();

    FormView& view_;
    ResultState result_;
    bool resultShown_ = false; // an action has shown a state
    std::array<std::u16string, std::size(kFields)> hints_;
    std::u16string menuSelection_; // the result's selection when its menu opened
    std::optional<Scheme> scheme_;
};

} // namespace ui
