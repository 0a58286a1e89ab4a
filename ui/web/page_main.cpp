// ntc-beta: the page's events, as the functions its script calls in the module.
#include "ui/form_controller.h"
#include "ui/web/web_form.h"

#include <emscripten/emscripten.h>

#include <iterator>

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

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void ntc_calculate_clicked() { controller().calculateClicked(); }

EMSCRIPTEN_KEEPALIVE void ntc_picture_clicked() { controller().pictureClicked(); }

// `field` is a FieldId's number: 0 for Text1.
EMSCRIPTEN_KEEPALIVE void ntc_field_edited(int field)
{
    if (field >= 0 && field < static_cast<int>(std::size(ui::kFields)))
        controller().fieldEdited(static_cast<ui::FieldId>(field));
}

EMSCRIPTEN_KEEPALIVE void ntc_copy_shown_clicked() { controller().copyShownClicked(view().selectedResultText()); }

EMSCRIPTEN_KEEPALIVE void ntc_copy_full_value_clicked() { controller().copyFullValueClicked(); }

// Ctrl+C or Ctrl+Insert: 1 where the controller copied the result (the page
// then keeps the browser's own copy from running), 0 where a field's
// selection is the browser's to copy.
EMSCRIPTEN_KEEPALIVE int ntc_copy_key_pressed(int selectionInFocusedField)
{
    return controller().copyKeyPressed(selectionInFocusedField != 0, view().selectedResultText()) ? 1 : 0;
}

// The Menu key or Shift+F10: 1 where it opens the result's menu, 0 where the
// focus is in a field (`focusInField` 1), whose own menu the browser opens.
EMSCRIPTEN_KEEPALIVE int ntc_menu_key_opens_result_menu(int focusInField)
{
    return ui::FormController::menuKeyOpensResultMenu(focusInField != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void ntc_scheme_changed() { view().schemeChanged(); }

} // extern "C"
