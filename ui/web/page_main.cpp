// ntc-beta: the page's events, as the functions its script calls in the module.
#include "ui/actions.h"
#include "ui/field_hint.h"
#include "ui/web/web_form.h"

#include <emscripten/emscripten.h>

#include <array>

namespace {

ui::web::WebForm& form()
{
    static ui::web::WebForm page;
    return page;
}

constexpr int kFieldCount = 4;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void ntc_calculate_clicked()
{
    ui::web::WebForm& page = form();
    try {
        std::array<std::u16string, kFieldCount> texts;
        for (int field = 0; field < kFieldCount; ++field) texts[field] = page.fieldText(field);
        page.showResult(ui::calculate(texts[0], texts[1], texts[2], texts[3], page.checkValue()));
        for (int field = 0; field < kFieldCount; ++field)
            page.setFieldHint(field, ui::fieldHint(texts[field]).value_or(std::u16string()));
    } catch (...) {
        page.showResult(ui::calculationFailed());
    }
}

EMSCRIPTEN_KEEPALIVE void ntc_picture_clicked() { form().showResult(ui::thanks()); }

EMSCRIPTEN_KEEPALIVE void ntc_field_edited(int field) { form().setFieldHint(field, u""); }

EMSCRIPTEN_KEEPALIVE void ntc_copy_shown_clicked()
{
    ui::web::WebForm& page = form();
    const std::u16string selected = page.selectedResultText();
    page.copyToClipboard(ui::copiedText(selected.empty() ? page.shown().text : selected));
}

EMSCRIPTEN_KEEPALIVE void ntc_copy_full_value_clicked() { form().copyToClipboard(form().shown().fullValue); }

EMSCRIPTEN_KEEPALIVE void ntc_scheme_changed() { form().schemeChanged(); }

} // extern "C"
