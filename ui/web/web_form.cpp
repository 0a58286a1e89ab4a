// ntc-beta: the page's window as the controller sees it, over the page's DOM.
#include "ui/web/web_form.h"

#include "ui/contrast.h"
#include "ui/field_hint.h"

#include <emscripten/emscripten.h>

// The bridges to the page's script. Texts cross as UTF-16 code units, so
// nothing typed is changed on the way; colours as 0xRRGGBB.

// A text from the page is stashed, measured, then copied into memory the
// module owns.
EM_JS(int, stashFieldText, (int field), {
    Module.stash = Module['page'].fieldText(field);
    return Module.stash.length;
});
EM_JS(int, stashSelectedResultText, (), {
    Module.stash = Module['page'].selectedResultText();
    return Module.stash.length;
});
EM_JS(void, takeStash, (char16_t* out), {
    const text = Module.stash;
    Module.stash = "";
    const at = out >> 1;
    for (let i = 0; i < text.length; ++i) HEAPU16[at + i] = text.charCodeAt(i);
});

EM_JS(int, pageCheckValue, (), { return Module['page'].checkValue(); });
EM_JS(void, pageShowResult,
      (const char16_t* text, int length, double pointSize, const char16_t* toolTip, int toolTipLength,
       int hasFullValue),
      {
          Module['page'].showResult(UTF16ToString(text, 2 * length), pointSize,
                                    UTF16ToString(toolTip, 2 * toolTipLength), hasFullValue != 0);
      });
EM_JS(void, pageSetColours, (int result, int mark), { Module['page'].setColours(result, mark); });
EM_JS(void, pageSetFieldHint, (int field, const char16_t* hint, int length, const char16_t* note, int noteLength), {
    Module['page'].setFieldHint(field, UTF16ToString(hint, 2 * length), UTF16ToString(note, 2 * noteLength));
});
EM_JS(void, pageCopy, (const char16_t* text, int length), { Module['page'].copy(UTF16ToString(text, 2 * length)); });
// The face, its text, a field's ground and its text.
EM_JS(int, pageColour, (int which), { return Module['page'].colours()[which]; });

namespace ui::web {

namespace {

enum PageColour { face, text, ground, groundText };

Bgr fromRgb(int rgb) { return bgr(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }
int toRgb(Bgr colour) { return redOf(colour) << 16 | greenOf(colour) << 8 | blueOf(colour); }
Bgr pageColourOf(PageColour which) { return fromRgb(pageColour(which)); }

int length(std::u16string_view text) { return static_cast<int>(text.size()); }

std::u16string takeStashed(int length)
{
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    takeStash(text.data());
    return text;
}

} // namespace

std::u16string WebForm::fieldText(FieldId field) const { return takeStashed(stashFieldText(static_cast<int>(field))); }

std::int16_t WebForm::checkValue() const { return static_cast<std::int16_t>(pageCheckValue()); }

void WebForm::showResult(const ResultState& state)
{
    shown_ = state;
    pageShowResult(state.text.data(), length(state.text), state.pointSize, state.toolTip.data(),
                   length(state.toolTip), !state.fullValue.empty());
    applyColours();
}

void WebForm::setFieldHint(FieldId field, std::u16string_view hint)
{
    const std::u16string note = hintNote(field, hint);
    pageSetFieldHint(static_cast<int>(field), hint.data(), length(hint), note.data(), length(note));
}

void WebForm::copyToClipboard(std::u16string_view text) { pageCopy(text.data(), length(text)); }

std::u16string WebForm::selectedResultText() const { return takeStashed(stashSelectedResultText()); }

void WebForm::schemeChanged() { applyColours(); }

// The result's colour on the window's face and the hint mark's on a field's
// ground, each readable there by the desktop windows' own rule.
void WebForm::applyColours()
{
    const Bgr result = shownColour(shown_, pageColourOf(face), pageColourOf(text));
    const Bgr mark = readableColour(kHintMarkColour, pageColourOf(ground), pageColourOf(groundText));
    pageSetColours(toRgb(result), toRgb(mark));
}

} // namespace ui::web
