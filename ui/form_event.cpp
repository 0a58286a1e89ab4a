// ntc-beta: what happens to a control, as every front end reports it to the
// window's controller.
#include "ui/form_event.h"

namespace ui {

KeyMeaning meaningOf(const KeyChord& chord)
{
    const bool plain = !chord.ctrl && !chord.shift && !chord.alt && !chord.meta;
    switch (chord.key) {
    case Key::c:
        return (chord.ctrl || chord.meta) && !chord.shift && !chord.alt ? KeyMeaning::copy : KeyMeaning::none;
    case Key::insert: return chord.ctrl && !chord.shift && !chord.alt ? KeyMeaning::copy : KeyMeaning::none;
    case Key::menu: return KeyMeaning::contextMenu;
    case Key::f10:
        return chord.shift && !chord.ctrl && !chord.alt && !chord.meta ? KeyMeaning::contextMenu : KeyMeaning::none;
    case Key::enter: return plain && !chord.repeat ? KeyMeaning::press : KeyMeaning::heldOrModifiedEnter;
    case Key::other: break;
    }
    return KeyMeaning::none;
}

} // namespace ui
