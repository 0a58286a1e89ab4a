// ntc-beta: what happens to a control, as every front end reports it to the
// window's controller.
#pragma once

#include <optional>

namespace ui {

// The keys whose chords mean something to the window; a front end reports
// any other key as `other`. Enter and the keypad's Enter are both `enter`.
enum class Key { other, c, insert, enter, menu, f10 };

// A key pressed, with the modifiers held: `meta` is the Command key on a
// Mac, the Windows key elsewhere (where a toolkit reports it at all);
// `repeat` is true for the presses a held key repeats.
struct KeyChord {
    Key key = Key::other;
    bool ctrl = false, shift = false, alt = false, meta = false;
    bool repeat = false;
};

// What a chord asks of the window, wherever the focus is:
//   - copy: Ctrl+C, Cmd+C or Ctrl+Insert, neither Shift nor Alt held;
//   - contextMenu: the Menu key (with any modifiers), or Shift+F10 alone;
//   - press: Enter alone, first press: it presses a focused button;
//   - heldOrModifiedEnter: Enter repeating, or with Ctrl, Shift, Alt or
//     Meta: a focused button takes it and does nothing, so a held Enter
//     calculates once;
//   - none: anything else, left to the focused control.
enum class KeyMeaning { none, copy, contextMenu, press, heldOrModifiedEnter };
KeyMeaning meaningOf(const KeyChord& chord);

// Where a pointer was, in the front end's own coordinates: the controller
// never reads it, only hands it back with the menu it opens there.
struct ViewPoint {
    int x = 0, y = 0;
};

// The result's context menu entries (actions.h has their texts).
enum class MenuEntry { copyShown, copyFullValue };

enum class EventKind {
    click,        // the mouse's left button, a tap, Space on a button
    edit,         // a field's text changed: typed, pasted, set
    key,          // a key pressed in the focused control (Form1: none focused)
    menuRequest,  // the context menu asked for: a right click or long press at `at`, or from the keyboard (no `at`)
    menuChoice,   // an entry of the result's menu chosen
    schemeChange, // Form1: the desktop's or page's colours changed
};

// One event of one control (form_layout.h names the controls):
// FormController::handle(control, event).
struct Event {
    EventKind kind = EventKind::click;
    KeyChord chord = {};             // key
    MenuEntry entry = {};            // menuChoice
    std::optional<ViewPoint> at = {}; // click, menuRequest: where the pointer was; none from the keyboard
    bool touch = false;              // click: a finger's tap, not a mouse's click

    static Event click() { return {}; }
    static Event tap(ViewPoint where) { return {EventKind::click, {}, {}, where, true}; }
    static Event edit() { return {EventKind::edit}; }
    static Event key(const KeyChord& chord) { return {EventKind::key, chord}; }
    static Event menuRequest(std::optional<ViewPoint> where) { return {EventKind::menuRequest, {}, {}, where}; }
    static Event menuChoice(MenuEntry entry) { return {EventKind::menuChoice, {}, entry}; }
    static Event schemeChange() { return {EventKind::schemeChange}; }
};

} // namespace ui
