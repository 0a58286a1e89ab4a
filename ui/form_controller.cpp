// ntc-beta: the window's behaviour, written once for every front end.
#include "ui/form_controller.h"

#include "ui/contrast.h"
#include "ui/field_hint.h"
#include "ui/form_view.h"

#include <utility>

namespace ui {

namespace {

bool isField(ControlId control) { return fieldOf(control).has_value(); }

// The words a screen reader hears for a result: the text without its sign
// blank, then each note, sentence after sentence.
std::u16string announcementOf(std::u16string_view text, const std::array<std::u16string, std::size(kFields)>& hints)
{
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    std::u16string words(text);
    for (FieldId field : kFields) {
        if (hints[std::size_t(field)].empty()) continue;
        words += u"。";
        words += hintNote(field, hints[std::size_t(field)]);
    }
    return words;
}

} // namespace

FormController::FormController(FormView& view)
    : view_(view)
    , result_(startState())
{
}

bool FormController::handle(ControlId control, const Event& event) noexcept
{
    try {
        switch (event.kind) {
        case EventKind::click: return clicked(control, event);
        case EventKind::edit:
            if (const std::optional<FieldId> field = fieldOf(control)) fieldEdited(*field);
            return false;
        case EventKind::key: return keyPressed(control, event.chord);
        case EventKind::menuRequest: return menuRequested(control, event.at);
        case EventKind::menuChoice: menuEntryChosen(event.entry); return true;
        case EventKind::schemeChange: schemeChanged(); return false;
        }
    } catch (...) {
        // The toolkit failed us (the clipboard, memory): the event ends
        // here, the window carries on.
    }
    return false;
}

bool FormController::clicked(ControlId control, const Event& event)
{
    switch (control) {
    case ControlId::Command1: calculateClicked(); return true;
    case ControlId::Image1: pictureClicked(); return true;
    // Touch screens show no context menu on a tap: the result's tap opens it.
    case kResultLabel: return event.touch && menuRequested(control, event.at);
    default: return false;
    }
}

void FormController::calculateClicked() noexcept
{
    try {
        const FormInputs in = view_.inputs();
        result_ = calculate(in.texts[0], in.texts[1], in.texts[2], in.texts[3], in.check);
        // A field whose ignored rest changes what was meant ("25,5" reads
        // 25, "10k" reads 10, "298.15K" with the box clear) is marked; every
        // other field loses the mark it had.
        for (FieldId field : kFields)
            hints_[std::size_t(field)] = fieldHint(field, in.texts[std::size_t(field)], in.check).value_or(u"");
        showResult(announcementOf(result_.text, hints_));
        for (FieldId field : kFields) showHint(field);
    } catch (...) {
        // Whatever failed (even memory on a huge paste, or the toolkit) ends
        // in the one message; the window carries on.
        result_ = calculationFailed();
        try {
            showResult(std::u16string(result_.text));
        } catch (...) {
            // The view cannot show even that: the state is still right for
            // the next event, and an event handler must not throw.
        }
    }
}

void FormController::pictureClicked()
{
    result_ = thanks();
    showResult(result_.text);
}

void FormController::fieldEdited(FieldId field)
{
    std::u16string& hint = hints_[std::size_t(field)];
    if (hint.empty()) return;
    hint.clear();
    showHint(field);
}

bool FormController::keyPressed(ControlId control, const KeyChord& chord)
{
    const bool button = control != ControlId::Form1 && pressedByEnter(ui::control(control));
    switch (meaningOf(chord)) {
    case KeyMeaning::copy: return copyKeyPressed(control);
    case KeyMeaning::contextMenu: return menuRequested(control, std::nullopt);
    case KeyMeaning::press:
        if (button) clicked(control, Event::click());
        return button;
    case KeyMeaning::heldOrModifiedEnter: return button;
    case KeyMeaning::none: break;
    }
    return false;
}

// Ctrl+C wherever the focus is copies the result, as calculators do; a
// field holding a selection copies that itself.
bool FormController::copyKeyPressed(ControlId control)
{
    if (isField(control) && !view_.selectedText(control).empty()) return false;
    const std::u16string selection = view_.selectedText(kResultLabel);
    view_.copyToClipboard(copiedText(selection.empty() ? std::u16string_view(result_.text) : selection));
    return true;
}

bool FormController::menuRequested(ControlId control, std::optional<ViewPoint> at)
{
    const bool fromKeyboard = !at;
    if (control != kResultLabel && !(fromKeyboard && !isField(control))) return false;
    menuSelection_ = view_.selectedText(kResultLabel);
    view_.openResultMenu({{{MenuEntry::copyShown, kCopyShown, true},
                           {MenuEntry::copyFullValue, kCopyFullValue, !result_.fullValue.empty()}}},
                         at);
    return true;
}

void FormController::menuEntryChosen(MenuEntry entry)
{
    if (entry == MenuEntry::copyShown)
        view_.copyToClipboard(copiedText(menuSelection_.empty() ? std::u16string_view(result_.text) : menuSelection_));
    else if (!result_.fullValue.empty())
        view_.copyToClipboard(result_.fullValue);
}

void FormController::schemeChanged()
{
    scheme_ = view_.scheme();
    if (resultShown_) showResult(u"");
    for (FieldId field : kFields)
        if (!hints_[std::size_t(field)].empty()) showHint(field);
}

void FormController::showResult(std::u16string announcement)
{
    const Scheme& colours = scheme();
    resultShown_ = true;
    view_.showResult({result_.text, result_.pointSize, shownColour(result_, colours.face, colours.text),
                      result_.toolTip, std::move(announcement)});
}

void FormController::showHint(FieldId field)
{
    const std::u16string& hint = hints_[std::size_t(field)];
    view_.showFieldHint(field, {hint, hintNote(field, hint),
                                readableColour(kHintMarkColour, scheme().ground, scheme().groundText)});
}

const Scheme& FormController::scheme()
{
    if (!scheme_) scheme_ = view_.scheme();
    return *scheme_;
}

} // namespace ui
