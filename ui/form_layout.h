// ntc-beta: the window's layout as data, which every front end renders.
#pragma once

#include "ui/font.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ui {

// Layout unit: twips, 1/1440 inch from the top left of the client area; at
// 96 dots per inch 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels at `dpi` dots per inch (96 unless the desktop is scaled).
// Every layout number is a multiple of 15, so at 96 dpi this is exact.
constexpr int pixels(int twips, int dpi = 96)
{
    return (twips * dpi + kTwipsPerPixel * 48) / (kTwipsPerPixel * 96);
}

// The window: its client area is also the least the frame can be dragged
// down to, so that no control is ever hidden.
struct WindowSpec {
    std::u16string_view title;
    int clientWidth;  // twips
    int clientHeight; // twips
    double pointSize; // the window's default font: fields, button, check box
};
inline constexpr WindowSpec kWindow{u"NTC电阻B值计算", 6120, 3195, 9};

enum class ControlKind { field, label, button, checkBox, picture };

// Every control of the layout, in creation order (a control's place in
// controls()), named as the layout names it: Label2_3 is Label2(3). Form1,
// the window itself, comes last and is no entry of controls(): it stands for
// what happens to the window as a whole (its colours change, a key is
// pressed with no control focused).
enum class ControlId {
    Text1, Text2, Label1, Text3, Text4,
    Label2_0, Label2_1, Label2_2, Label2_3, Label2_4,
    Command1, Check1, Image1,
    Form1
};
inline constexpr std::size_t kControlCount = std::size_t(ControlId::Form1);

struct TwipsRect {
    int left, top, width, height;
};

// One control: `name` as code and tests address it; `text` at start; a
// `pointSize` of 0 means the window's default font (labels use the Song face
// at their own size); `tabIndex` orders the controls that take the focus
// (labels and the picture never do); `accessibleName` is what a screen reader
// announces where the text alone does not say what the control is for (empty:
// the control's current text is its name); `accessibleDescription` what it
// adds after the name; a `decorative` control is a stroke of the drawn
// formula, which the picture's name already reads out, and stays out of the
// accessible tree.
struct ControlSpec {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    TwipsRect box;
    std::u16string_view text;
    double pointSize;
    int tabIndex;
    std::u16string_view accessibleName;
    std::u16string_view accessibleDescription = {};
    bool decorative = false;
};

// A one-pixel line in the window-text colour, end point excluded. Lines are
// strokes of the drawn formula and never enter the accessible tree.
struct LineSpec {
    std::string_view name;
    int x1, y1, x2, y2; // twips
};

// The result label Label2(3): the one control the actions change.
inline constexpr ControlId kResultLabel = ControlId::Label2_3;

// The entry fields Text1…Text4, in the order the evaluation takes them:
// R1, R2, T1, T2.
enum class FieldId { Text1, Text2, Text3, Text4 };
inline constexpr FieldId kFields[] = {FieldId::Text1, FieldId::Text2, FieldId::Text3, FieldId::Text4};

// Text1 and Text2 hold resistances (R1, R2), Text3 and Text4 temperatures
// (T1, T2).
constexpr bool holdsTemperature(FieldId field) { return field == FieldId::Text3 || field == FieldId::Text4; }

// A field's control, and the field a control is (nullopt for any other).
ControlId controlOf(FieldId field);
std::optional<FieldId> fieldOf(ControlId control);

// Every control, in creation order: controls()[i].id is ControlId(i).
std::span<const ControlSpec> controls();

// The control of that id; Form1 is none.
const ControlSpec& control(ControlId id);

// A name in the layout: "Text1", "Label2(3)", "Form1".
std::string_view nameOf(ControlId control);
std::string_view nameOf(FieldId field);

// The font a control is drawn in at `dotsPerInch` device pixels per inch:
// labels at their own size, every other control at the window's. The result
// label starts at its own size and then takes each state's (fontFor).
FontChoice fontOf(ControlId control, double dotsPerInch);

// Line1…Line5: the fraction bars and the minus sign of the drawn formula.
std::span<const LineSpec> lines();

// The control of that name, for tests and tools that address controls as
// the user's documents do; nullptr when there is none. The program itself
// addresses them by ControlId.
const ControlSpec* findControl(std::string_view name);

// Fields, the button and the check box take the keyboard focus; labels and
// the picture never do.
bool takesFocus(const ControlSpec& control);

// The Enter and keypad Enter keys press a button that has the focus (Space
// does for every button); in a field they do nothing.
bool pressedByEnter(const ControlSpec& control);

// What a screen reader finds: every control but the decorative ones.
bool inAccessibleTree(const ControlSpec& control);

// The controls that take the focus, in tab order: Text1, Text2, Text3,
// Text4, Command1, Check1.
const std::vector<const ControlSpec*>& tabOrder();

} // namespace ui
