// ntc-beta: telling the user when a field's number was read only in part.
#include "ui/field_hint.h"

#include "calc/number_reading.h"
#include "calc/number_writing.h"

namespace ui {

namespace {

constexpr std::size_t kIgnoredShown = 16;

// What the ignored rest of a field most likely meant.
enum class Rest { harmless, digitsAfterStop, prefix, kelvin, celsius, fahrenheit };

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The blanks, tabs and line feeds that reading skips wherever they stand.
bool isSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// A full-width input method types U+FF01..FF5E for ASCII's printable units.
char16_t narrow(char16_t c) { return c >= 0xFF01 && c <= 0xFF5E ? char16_t(c - 0xFEE0) : c; }

char16_t narrowAt(std::u16string_view rest, std::size_t i) { return i < rest.size() ? narrow(rest[i]) : u'\0'; }

bool startsWithWord(std::u16string_view rest, std::u16string_view lowerWord)
{
    if (rest.size() < lowerWord.size()) return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        char16_t c = narrow(rest[i]);
        if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

Rest temperatureUnit(std::u16string_view rest)
{
    const char16_t first = narrowAt(rest, 0);
    const char16_t afterDegree = first == u'°' ? narrowAt(rest, 1) : u'\0';
    if (startsWithWord(rest, u"kelvin") || first == u'K' || first == u'\u212A' || afterDegree == u'K')
        return Rest::kelvin;
    if (first == u'℃' || first == u'C' || first == u'c' || afterDegree == u'C' || afterDegree == u'c' ||
        rest.starts_with(u"摄氏"))
        return Rest::celsius;
    if (first == u'℉' || first == u'F' || first == u'f' || afterDegree == u'F' || afterDegree == u'f' ||
        rest.starts_with(u"华氏"))
        return Rest::fahrenheit;
    return Rest::harmless;
}

bool isPrefix(char16_t c) { return std::u16string_view(u"kKMmGunpµμ").find(c) != std::u16string_view::npos; }

// `rest` starts at the first unit that is not a blank.
Rest classify(std::u16string_view rest, bool temperature)
{
    if (temperature) {
        if (const Rest unit = temperatureUnit(rest); unit != Rest::harmless) return unit;
    }
    if (isPrefix(narrowAt(rest, 0))) return Rest::prefix;
    if (isDigit(narrowAt(rest, 1))) return Rest::digitsAfterStop;
    return Rest::harmless;
}

std::u16string checkBoxText() { return std::u16string(control(ControlId::Check1).text); }

// What the hint adds after the number read and the part ignored; empty when
// the rest leaves the value as the user meant it.
std::u16string advice(Rest rest, bool kelvin)
{
    switch (rest) {
    case Rest::digitsAfterStop: return u"；小数点请用“.”";
    case Rest::prefix: return u"；前缀不参与换算，请写完整数值";
    case Rest::kelvin: return kelvin ? u"" : u"；未勾选“" + checkBoxText() + u"”，按摄氏度计算";
    case Rest::celsius: return kelvin ? u"；已勾选“" + checkBoxText() + u"”，按绝对温度计算" : u"";
    case Rest::fahrenheit: return u"；华氏度不参与换算";
    case Rest::harmless: break;
    }
    return u"";
}

std::u16string shortened(std::u16string_view ignored)
{
    while (!ignored.empty() && isSkipped(ignored.back())) ignored.remove_suffix(1);
    if (ignored.size() <= kIgnoredShown) return std::u16string(ignored);
    return calc::Left(ignored, kIgnoredShown - 1) + u"…";
}

} // namespace

std::optional<std::u16string> fieldHint(FieldId field, std::u16string_view text, std::int16_t check)
{
    calc::NumberRead read;
    try {
        read = calc::readNumber(text);
    } catch (const calc::NumericFailure&) {
        return std::nullopt;
    }
    if (!read.found) return std::nullopt;
    std::u16string_view rest = text.substr(read.end);
    while (!rest.empty() && isSkipped(rest.front())) rest.remove_prefix(1);
    if (rest.empty()) return std::nullopt;

    const std::u16string why = advice(classify(rest, holdsTemperature(field)), check != 0);
    if (why.empty()) return std::nullopt;

    const std::string number = calc::fullValueText(read.value);
    std::u16string hint = u"读取为 ";
    hint.append(number.begin(), number.end());
    hint += u"，忽略了“" + shortened(rest) + u"”" + why;
    return hint;
}

// The symbol is what a field's accessible name says before its colon
// ("R1：温度T1时的电阻").
std::u16string hintNote(FieldId field, std::u16string_view hint)
{
    if (hint.empty()) return {};
    const std::u16string_view name = control(controlOf(field)).accessibleName;
    return std::u16string(name.substr(0, name.find(u'：') + 1)) + std::u16string(hint);
}

} // namespace ui
