// ntc-beta: the page's window as the controller sees it, over the page's DOM.
#pragma once

#include "ui/form_view.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::web {

class ShowRecord;

// Form1 in the browser: the elements form_markup.h writes, reached through
// the page's script (page/form.js, the object it hands the module as
// Module.page). Every call between the page's script and the WebAssembly is
// a crossing that costs more than the work it carries, so the view reads
// what it is asked for in one crossing each (the fields' texts and the box
// together), and keeps what the controller shows until the event is
// handled: flush() hands it all to the page in one crossing.
class WebForm final : public FormView {
public:
    // The fields' texts and the box's value. Check1 is greyed only from
    // code, as on the desktop: a click clears the grey and ticks or clears
    // the box.
    FormInputs inputs() const override;
    std::u16string selectedText(ControlId control) const override;

    // The page's face and text colours and a field's ground and text, which
    // the page reads from its style once per call.
    Scheme scheme() const override;

    void showResult(const ShownResult& result) override;
    void showFieldHint(FieldId field, const ShownHint& hint) override;
    void openResultMenu(const ResultMenu& menu, std::optional<ViewPoint> at) override;
    void copyToClipboard(std::u16string_view text) override;

    // What the last event showed, opened and copied, to the page at once
    // (page.show); nothing where it did none of these.
    void flush();

private:
    std::u16string read(int (*cross)(int, char16_t*, int), int what) const;
    ShowRecord pending() const;

    mutable std::u16string buffer_; // what the page writes the texts it is asked for into
    std::optional<ShownResult> result_;
    std::array<std::optional<ShownHint>, std::size(kFields)> hints_;
    std::optional<std::pair<ResultMenu, std::optional<ViewPoint>>> menu_;
    std::optional<std::u16string> copied_;
};

} // namespace ui::web
