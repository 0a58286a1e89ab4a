// ntc-beta: the page's one entry into the module: every event of every
// control, as the page's script reports it.
#include "ui/form_controller.h"
#include "ui/web/web_form.h"

#include <emscripten/emscripten.h>

namespace {

ui::web::WebForm& view()
{
    static ui::web::WebForm form;
    return form;
}

ui::FormController& controller()
{
    static ui::FormController form(view());
    return form;
}

// The page's flags (events.js): the modifiers held, a held key's repeat, a
// finger's tap.
enum Flag { ctrl = 1, shift = 2, alt = 4, meta = 8, repeat = 16, touch = 32 };

// `code` is a Key's number for a key, a MenuEntry's for a menu's choice.
ui::Event eventOf(ui::EventKind kind, int code, int flags, std::optional<ui::ViewPoint> at)
{
    ui::Event event{kind};
    event.chord = {static_cast<ui::Key>(code), (flags & ctrl) != 0, (flags & shift) != 0, (flags & alt) != 0,
                   (flags & meta) != 0, (flags & repeat) != 0};
    event.entry = static_cast<ui::MenuEntry>(code);
    event.at = at;
    event.touch = (flags & touch) != 0;
    return event;
}

} // namespace

extern "C" {

// One event: `control` a ControlId's number (Form1 for none), `kind` an
// EventKind's, `code` and `flags` as above, (x, y) where the pointer was in
// CSS pixels, x negative for none. What the controller decides reaches the
// page in one crossing before this returns; 1 where it took the event (the
// page then keeps the browser's own action from running).
EMSCRIPTEN_KEEPALIVE int ntc_event(int control, int kind, int code, int flags, int x, int y)
{
    const bool known = control >= 0 && control <= static_cast<int>(ui::ControlId::Form1) && kind >= 0 &&
                       kind <= static_cast<int>(ui::EventKind::schemeChange) && code >= 0 &&
                       code <= static_cast<int>(ui::Key::f10);
    const bool entry = kind != static_cast<int>(ui::EventKind::menuChoice) ||
                       code <= static_cast<int>(ui::MenuEntry::copyFullValue);
    if (!known || !entry) return 0;
    const std::optional<ui::ViewPoint> at = x >= 0 ? std::optional(ui::ViewPoint{x, y}) : std::nullopt;
    const bool taken = controller().handle(static_cast<ui::ControlId>(control),
                                           eventOf(static_cast<ui::EventKind>(kind), code, flags, at));
    view().flush();
    return taken ? 1 : 0;
}

} // extern "C"
