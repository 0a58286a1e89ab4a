// ntc-beta: telling the user when a field's number was read only in part.
#include "ui/field_hint.h"

#include "calc/b_value.h"
#include "calc/number_text.h"

namespace ui {

namespace {

constexpr std::size_t kIgnoredShown = 16;

bool isDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９'); }

// The blanks, tabs and line feeds that reading skips wherever they stand.
bool isSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

bool moreDigitsFollow(std::u16string_view rest)
{
    while (!rest.empty() && isSkipped(rest.front())) rest.remove_prefix(1);
    return rest.size() >= 2 && !isDigit(rest[0]) && isDigit(rest[1]);
}

std::u16string shortened(std::u16string_view ignored)
{
    while (!ignored.empty() && isSkipped(ignored.front())) ignored.remove_prefix(1);
    while (!ignored.empty() && isSkipped(ignored.back())) ignored.remove_suffix(1);
    if (ignored.size() <= kIgnoredShown) return std::u16string(ignored);
    return calc::Left(ignored, kIgnoredShown - 1) + u"…";
}

} // namespace

std::optional<std::u16string> fieldHint(std::u16string_view text)
{
    calc::NumberRead read;
    try {
        read = calc::readNumber(text);
    } catch (const calc::NumericFailure&) {
        return std::nullopt;
    }
    if (!read.found || read.end >= text.size()) return std::nullopt;
    const std::u16string_view rest = text.substr(read.end);
    if (!moreDigitsFollow(rest)) return std::nullopt;

    const std::string number = calc::fullValueText(read.value);
    std::u16string hint = u"读取为 ";
    hint.append(number.begin(), number.end());
    hint += u"，忽略了“" + shortened(rest) + u"”；小数点请用“.”";
    return hint;
}

} // namespace ui
