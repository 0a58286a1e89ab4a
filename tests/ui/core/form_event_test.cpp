// What a key chord asks of the window, as the desktop windows and the page
// have it: the copy keys, Enter, the context-menu keys.
#include "ui/form_event.h"

#include <gtest/gtest.h>

namespace {

using ui::Key;
using ui::KeyMeaning;

TEST(KeyChord, Meaning)
{
    enum Mods { none = 0, ctrl = 1, shift = 2, alt = 4, meta = 8, repeat = 16 };
    const struct {
        Key key;
        int mods;
        KeyMeaning meaning;
    } cases[] = {
        {Key::c, ctrl, KeyMeaning::copy},
        {Key::c, meta, KeyMeaning::copy}, // Cmd+C on a Mac
        {Key::insert, ctrl, KeyMeaning::copy},
        {Key::c, ctrl | repeat, KeyMeaning::copy},
        {Key::c, none, KeyMeaning::none}, // typing a c
        {Key::c, shift, KeyMeaning::none},
        {Key::c, ctrl | shift, KeyMeaning::none}, // a terminal's copy, not ours
        {Key::c, ctrl | alt, KeyMeaning::none},   // AltGr on many keyboards
        {Key::insert, none, KeyMeaning::none},
        {Key::insert, shift, KeyMeaning::none}, // paste
        {Key::insert, meta, KeyMeaning::none},
        {Key::menu, none, KeyMeaning::contextMenu},
        {Key::menu, shift, KeyMeaning::contextMenu},
        {Key::f10, shift, KeyMeaning::contextMenu},
        {Key::f10, none, KeyMeaning::none}, // the menu bar's key
        {Key::f10, ctrl | shift, KeyMeaning::none},
        {Key::enter, none, KeyMeaning::press},
        {Key::enter, repeat, KeyMeaning::heldOrModifiedEnter},
        {Key::enter, ctrl, KeyMeaning::heldOrModifiedEnter},
        {Key::enter, shift, KeyMeaning::heldOrModifiedEnter},
        {Key::enter, alt, KeyMeaning::heldOrModifiedEnter},
        {Key::other, ctrl, KeyMeaning::none},
    };
    for (const auto& c : cases) {
        const ui::KeyChord chord{c.key, (c.mods & ctrl) != 0, (c.mods & shift) != 0, (c.mods & alt) != 0,
                                 (c.mods & meta) != 0, (c.mods & repeat) != 0};
        EXPECT_EQ(ui::meaningOf(chord), c.meaning) << "key " << int(c.key) << " modifiers " << c.mods;
    }
}

} // namespace
