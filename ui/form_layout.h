// ntc-beta: the window's layout as data, which every front end renders.
#pragma once

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

// The face every label uses, in the GB2312 character set, at weight 400.
// Where it is missing, a front end substitutes a Song face that shows the
// Chinese texts and draws a blank as wide as a digit, so that the two 1s of
// Label1 stay over their fraction bars.
inline constexpr std::u16string_view kSongFace = u"宋体";
inline constexpr std::u16string_view kSongSubstitutes[] = {u"SimSun", u"NSimSun", u"AR PL UMing CN",
                                                           u"AR PL SungtiL GB"};

// The Song faces carry hand-made black-and-white bitmaps for 11 to 16 pixels
// per em, which Windows draws SimSun from at those sizes. A font of
// `pointSize` at `dotsPerInch` device pixels per inch that lands on one of
// those whole pixel sizes (9 pt at 96 dpi is 12 px) is drawn without
// antialiasing, so the toolkit takes the bitmaps instead of greying the
// outlines; at other sizes (11 pt is 14.67 px, anything at 200 %) the
// outlines are antialiased as usual.
bool songBitmapsFit(double pointSize, double dotsPerInch);

struct WindowSpec {
    std::u16string_view title;
    int clientWidth;  // twips
    int clientHeight; // twips
    double pointSize; // the window's default font: fields, button, check box
};
inline constexpr WindowSpec kWindow{u"NTC电阻B值计算", 6120, 3195, 9};

enum class ControlKind { field, label, button, checkBox, picture };

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

// Every control, in creation order; the result label is "Label2(3)".
std::span<const ControlSpec> controls();

// Line1…Line5: the fraction bars and the minus sign of the drawn formula.
std::span<const LineSpec> lines();

// The control of that name; nullptr when there is none.
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
