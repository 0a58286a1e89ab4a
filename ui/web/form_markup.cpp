// ntc-beta: the page's window as HTML, written from the layout when the page is built.
#include "ui/web/form_markup.h"

#include "calc/number_writing.h"
#include "ui/actions.h"
#include "ui/field_hint.h"
#include "ui/form_layout.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace ui::web {

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The layout's texts are UTF-16 and well formed: surrogates come in pairs.
std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        appendUtf8(out, c);
    }
    return out;
}

// Text and attribute values with the characters HTML gives a meaning escaped.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string escaped(std::u16string_view text) { return escaped(utf8(text)); }

// A point size or distance for the style sheet: "21", "15.75".
std::string decimal(double value) { return calc::generalText(value); }

// The control's ControlId, by which the page's script names it to the
// controller.
std::string controlNumber(ControlId id) { return " data-control=\"" + std::to_string(static_cast<int>(id)) + '"'; }

std::string attribute(std::string_view name, std::u16string_view value)
{
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + escaped(value) + '"';
}

// Place, size and font size as the style sheet reads them: CSS pixels at
// 100 % (96 dpi, 15 twips a pixel) and points.
std::string boxStyle(const TwipsRect& box, double pointSize)
{
    std::string style = " style=\"--l:" + std::to_string(pixels(box.left)) + ";--t:" + std::to_string(pixels(box.top)) +
                        ";--w:" + std::to_string(pixels(box.width)) + ";--h:" + std::to_string(pixels(box.height));
    if (pointSize > 0) style += ";--pt:" + decimal(pointSize);
    return style + '"';
}

// What a screen reader finds beyond the control's text (decorative strokes
// of the drawn formula stay out of the accessible tree), and the focus at
// start on the first control in tab order, as the desktop windows have it:
// the page's script gives it once the first frame is on the screen (an
// autofocus attribute would have the browser focus it while drawing that
// frame, and the first text come later). A control whose visible text its
// layout name does not contain (the check box) is named by that text, which
// is what speech input users say, and described by the layout name.
std::string accessibility(const ControlSpec& item)
{
    if (!inAccessibleTree(item)) return " aria-hidden=\"true\"";
    const bool focusedAtStart = takesFocus(item) && &item == tabOrder().front();
    const bool namedByText = !item.text.empty() && !item.accessibleName.empty() &&
                             item.accessibleName.find(item.text) == std::u16string_view::npos;
    const std::u16string_view description = namedByText ? item.accessibleName : item.accessibleDescription;
    return (focusedAtStart ? " data-focus-at-start" : "") + attribute("aria-label", namedByText ? u"" : item.accessibleName) +
           attribute("aria-description", description);
}

std::string fieldMarkup(const ControlSpec& item)
{
    // A keyboard with digits, the period and the minus sign on phones; the
    // text stays free, since reading it takes blanks, units and &H prefixes.
    return "<span class=\"field\"" + boxStyle(item.box, item.pointSize) + "><input id=\"" + std::string(item.name) +
           '"' + controlNumber(item.id) + " data-field=\"" + std::to_string(static_cast<int>(*fieldOf(item.id))) +
           "\" type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\"" +
           accessibility(item) + "><i class=\"mark\"></i></span>";
}

std::string controlMarkup(const ControlSpec& item)
{
    const std::string id = " id=\"" + escaped(item.name) + '"' + controlNumber(item.id);
    const std::string style = boxStyle(item.box, item.pointSize);
    const std::string text = escaped(item.text);
    switch (item.kind) {
    case ControlKind::field: return fieldMarkup(item);
    case ControlKind::button:
        return "<button" + id + " type=\"button\"" + style + accessibility(item) + '>' + text +
               "</button>";
    case ControlKind::checkBox:
        return "<label class=\"check\"" + style + "><input" + id + " type=\"checkbox\" data-check" +
               accessibility(item) + "><span>" + text + "</span></label>";
    case ControlKind::picture:
        // Decoded aside, so the first frame does not wait for the picture.
        return "<img" + id + " class=\"picture\" src=\"{{picture}}\" srcset=\"{{picture2x}} 2x\"" +
               " decoding=\"async\" draggable=\"false\" alt=\"" + escaped(item.accessibleName) + '"' + style + '>';
    case ControlKind::label: break;
    }
    const bool result = item.id == kResultLabel;
    // elementtiming: the page's first text, which the start-up benchmark
    // times. The result takes the focus last, after the controls, so that the
    // keyboard reaches its copy menu.
    return "<div" + id +
           (result ? " class=\"label result\" data-result tabindex=\"0\" elementtiming=\"result\"" : " class=\"label\"") +
           style + accessibility(item) + '>' + text + "</div>";
}

// A one-pixel stroke, end point excluded, as a box of its own.
std::string lineMarkup(const LineSpec& line)
{
    const int left = std::min(line.x1, line.x2);
    const int top = std::min(line.y1, line.y2);
    const int width = std::max(std::abs(line.x2 - line.x1), kTwipsPerPixel);
    const int height = std::max(std::abs(line.y2 - line.y1), kTwipsPerPixel);
    return "<i id=\"" + escaped(line.name) + "\" class=\"line\"" + boxStyle({left, top, width, height}, 0) +
           " aria-hidden=\"true\"></i>";
}

// A menu entry's text without the access key Windows and Qt underline
// ("复制(&C)" reads "复制"): the page's menu is reached by the mouse, a
// tap or the Menu key, and Alt+letter belongs to the browser.
std::string menuEntry(std::u16string_view text)
{
    const std::size_t key = text.find(u"(&");
    return escaped(key == std::u16string_view::npos ? text : text.substr(0, key));
}

// "Copy in full" is enabled once a result has a full value to copy.
std::string menuMarkup()
{
    const char* full = startState().fullValue.empty() ? " disabled" : "";
    return "<div class=\"menu\" role=\"menu\" hidden><button type=\"button\" role=\"menuitem\" data-copy=\"shown\">" +
           menuEntry(kCopyShown) + "</button><button type=\"button\" role=\"menuitem\" data-copy=\"full\"" + full + '>' +
           menuEntry(kCopyFullValue) + "</button></div>";
}

// The least distance, in pixels, between the middles of two controls that
// take the focus and stand one above the other (their columns overlap): on
// touch screens the window's heights grow until it makes a finger's target.
double leastStackedDistance()
{
    double least = pixels(kWindow.clientHeight);
    const auto& order = tabOrder();
    for (auto a = order.begin(); a != order.end(); ++a) {
        for (auto b = a + 1; b != order.end(); ++b) {
            const TwipsRect& p = (*a)->box;
            const TwipsRect& q = (*b)->box;
            if (p.left >= q.left + q.width || q.left >= p.left + p.width) continue;
            const double middles = std::abs((2 * p.top + p.height) - (2 * q.top + q.height)) / 2.0;
            least = std::min(least, middles / kTwipsPerPixel);
        }
    }
    return least;
}

std::string windowStart()
{
    return "<main id=\"Form1\"" + controlNumber(ControlId::Form1) + " class=\"form\" aria-label=\"" + escaped(kWindow.title) + "\" style=\"--w:" +
           std::to_string(pixels(kWindow.clientWidth)) + ";--h:" + std::to_string(pixels(kWindow.clientHeight)) +
           ";--pt:" + decimal(kWindow.pointSize) + ";--mark:" + std::to_string(kHintMarkSize) +
           ";--least-gap:" + decimal(leastStackedDistance()) + "\">\n";
}

} // namespace

std::string formMarkup()
{
    std::string html = windowStart();
    // Tab order is document order: the controls that take the focus first.
    for (const ControlSpec* item : tabOrder()) html += controlMarkup(*item) + '\n';
    for (const ControlSpec& item : controls())
        if (!takesFocus(item)) html += controlMarkup(item) + '\n';
    for (const LineSpec& line : lines()) html += lineMarkup(line) + '\n';
    return html + "</main>\n" + menuMarkup() + '\n';
}

std::string floorMarkup()
{
    return windowStart() + controlMarkup(control(kResultLabel)) + "\n</main>\n";
}

std::string windowTitle() { return utf8(kWindow.title); }

} // namespace ui::web
