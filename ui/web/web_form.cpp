// ntc-beta: the page's window as the controller sees it, over the page's DOM.
#include "ui/web/web_form.h"

#include <emscripten/emscripten.h>

// The crossings to the page's script. Texts cross as UTF-16 code units, so
// nothing typed is changed on the way; colours as 0xRRGGBB.

// The page writes the fields' texts one after the other into `out` where
// they fit in `capacity` units, their lengths and the box's value into
// `lengths`; gives the units they need.
EM_JS(int, pageReadInputs, (int lengths, char16_t* out, int capacity), {
    const { texts, check } = Module['page'].inputs();
    const needed = texts.reduce((sum, text) => sum + text.length, 0);
    texts.forEach((text, i) => { HEAP32[(lengths >> 2) + i] = text.length; });
    HEAP32[(lengths >> 2) + 4] = check;
    if (needed > capacity) return needed;
    let at = out >> 1;
    for (const text of texts)
        for (let i = 0; i < text.length; ++i) HEAPU16[at++] = text.charCodeAt(i);
    return needed;
});

// The text selected in a control (a ControlId's number), as above.
EM_JS(int, pageReadSelection, (int control, char16_t* out, int capacity), {
    const text = Module['page'].selectedText(control);
    if (text.length <= capacity)
        for (let i = 0; i < text.length; ++i) HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
    return text.length;
});

// The face, its text, a field's ground and its text, into four ints.
EM_JS(void, pageReadScheme, (int out), { HEAP32.set(Module['page'].scheme(), out >> 2); });

// One event's outcome, read out of the record `update` (ShowRecord below)
// into the object page.show takes: { result, hints[4], menu, copy }, each
// absent where the event gave none.
EM_JS(void, pageShow, (const int* update), {
    const slot = (i) => HEAP32[(update >> 2) + i];
    const text = (i) => {
        const from = slot(i) >> 1;
        const length = slot(i + 1);
        let out = "";
        for (let at = 0; at < length; at += 4096)
            out += String.fromCharCode.apply(null, HEAPU16.subarray(from + at, from + Math.min(length, at + 4096)));
        return out;
    };
    const parts = slot(0);
    const shown = {hints : []};
    if (parts & 1)
        shown.result = {text : text(1), pointSize : slot(3) / 100, colour : slot(4), toolTip : text(5),
                        announcement : text(7)};
    for (let field = 0; field < 4; ++field)
        if (parts & (2 << field))
            shown.hints[field] = {hint : text(9 + 5 * field), note : text(11 + 5 * field), mark : slot(13 + 5 * field)};
    if (parts & 32)
        shown.menu = {items : [ {entry : slot(29), enabled : slot(30) != 0}, {entry : slot(31), enabled : slot(32) != 0} ],
                      at : slot(33) ? {x : slot(34), y : slot(35)} : null};
    if (parts & 64) shown.copy = text(36);
    Module['page'].show(shown);
});

namespace ui::web {

namespace {

Bgr fromRgb(int rgb) { return bgr(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }
int toRgb(Bgr colour) { return redOf(colour) << 16 | greenOf(colour) << 8 | blueOf(colour); }

} // namespace

// What pageShow reads: int slots, a text as its address and length, a point
// size in hundredths. The slots' numbers stand in pageShow above.
class ShowRecord {
public:
    enum Part { result = 1, firstHint = 2, menu = 32, copy = 64 };

    void set(int slot, int value) { slots_[std::size_t(slot)] = value; }
    void set(int slot, std::u16string_view text)
    {
        set(slot, static_cast<int>(reinterpret_cast<std::uintptr_t>(text.data())));
        set(slot + 1, static_cast<int>(text.size()));
    }
    void add(int part) { slots_[0] |= part; }
    int parts() const { return slots_[0]; }
    const int* data() const { return slots_.data(); }

private:
    std::array<int, 38> slots_{};
};

// The page's texts come in through buffer_, grown when they do not fit:
// then a second crossing, for texts of more than the buffer has held yet.
std::u16string WebForm::read(int (*cross)(int, char16_t*, int), int what) const
{
    if (buffer_.empty()) buffer_.resize(1024);
    int needed = cross(what, buffer_.data(), static_cast<int>(buffer_.size()));
    if (needed > static_cast<int>(buffer_.size())) {
        buffer_.resize(static_cast<std::size_t>(needed));
        needed = cross(what, buffer_.data(), needed);
    }
    return buffer_.substr(0, static_cast<std::size_t>(needed));
}

FormInputs WebForm::inputs() const
{
    std::array<int, 5> lengths{};
    const auto crossing = [](int lengthsAt, char16_t* out, int capacity) { return pageReadInputs(lengthsAt, out, capacity); };
    const std::u16string all = read(crossing, static_cast<int>(reinterpret_cast<std::uintptr_t>(lengths.data())));
    FormInputs in;
    std::size_t at = 0;
    for (FieldId field : kFields) {
        const auto length = static_cast<std::size_t>(lengths[std::size_t(field)]);
        in.texts[std::size_t(field)] = all.substr(at, length);
        at += length;
    }
    in.check = static_cast<std::int16_t>(lengths[4]);
    return in;
}

std::u16string WebForm::selectedText(ControlId control) const
{
    return read([](int id, char16_t* out, int capacity) { return pageReadSelection(id, out, capacity); },
                static_cast<int>(control));
}

Scheme WebForm::scheme() const
{
    std::array<int, 4> rgb{};
    pageReadScheme(static_cast<int>(reinterpret_cast<std::uintptr_t>(rgb.data())));
    return {fromRgb(rgb[0]), fromRgb(rgb[1]), fromRgb(rgb[2]), fromRgb(rgb[3])};
}

void WebForm::showResult(const ShownResult& result) { result_ = result; }

void WebForm::showFieldHint(FieldId field, const ShownHint& hint) { hints_[std::size_t(field)] = hint; }

void WebForm::openResultMenu(const ResultMenu& menu, std::optional<ViewPoint> at) { menu_.emplace(menu, at); }

void WebForm::copyToClipboard(std::u16string_view text) { copied_ = std::u16string(text); }

// The record pageShow reads, of what the event showed, opened and copied.
ShowRecord WebForm::pending() const
{
    ShowRecord record;
    if (result_) {
        record.add(ShowRecord::result);
        record.set(1, result_->text);
        record.set(3, static_cast<int>(result_->pointSize * 100 + 0.5));
        record.set(4, toRgb(result_->colour));
        record.set(5, result_->toolTip);
        record.set(7, result_->announcement);
    }
    for (FieldId field : kFields) {
        const std::optional<ShownHint>& hint = hints_[std::size_t(field)];
        if (!hint) continue;
        const int first = 9 + 5 * static_cast<int>(field);
        record.add(ShowRecord::firstHint << static_cast<int>(field));
        record.set(first, hint->hint);
        record.set(first + 2, hint->note);
        record.set(first + 4, toRgb(hint->mark));
    }
    if (menu_) {
        record.add(ShowRecord::menu);
        const auto& [items, at] = *menu_;
        for (std::size_t i = 0; i < items.size(); ++i) {
            record.set(29 + 2 * static_cast<int>(i), static_cast<int>(items[i].entry));
            record.set(30 + 2 * static_cast<int>(i), items[i].enabled ? 1 : 0);
        }
        record.set(33, at ? 1 : 0);
        record.set(34, at ? at->x : 0);
        record.set(35, at ? at->y : 0);
    }
    if (copied_) {
        record.add(ShowRecord::copy);
        record.set(36, *copied_);
    }
    return record;
}

void WebForm::flush()
{
    const ShowRecord record = pending();
    if (record.parts() != 0) pageShow(record.data());
    result_.reset();
    hints_ = {};
    menu_.reset();
    copied_.reset();
}

} // namespace ui::web
