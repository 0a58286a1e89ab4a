// ntc-beta: the window's layout as data, which every front end renders.
#include "ui/form_layout.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

using enum ControlKind;

using enum ControlId;

// Indexed by FieldId.
constexpr ControlId kFieldControls[] = {Text1, Text2, Text3, Text4};

// The four fields stand where the symbols of the formula stand:
//
//          Text1
//   B= Ln( ----- )  =  Label2(3)
//          Text2
//      ---------------
//        1        1
//      ----- - -----
//      Text3   Text4
constexpr std::array<ControlSpec, kControlCount> kControls{{
    {Text1, "Text1", field, {1680, 480, 975, 375}, u"", 0, 0, u"R1：温度T1时的电阻"},
    {Text2, "Text2", field, {1680, 1080, 975, 375}, u"", 0, 1, u"R2：温度T2时的电阻"},
    {Label1, "Label1", label, {1200, 1680, 1815, 255}, u"   1        1", 12, 2, u"", u"", true},
    {Text3, "Text3", field, {1200, 2160, 735, 375}, u"", 0, 3, u"T1：电阻R1时的温度"},
    {Text4, "Text4", field, {2280, 2160, 855, 375}, u"", 0, 4, u"T2：电阻R2时的温度"},
    {Label2_0, "Label2(0)", label, {1080, 840, 615, 495}, u"Ln(", 15.75, 5, u""},
    {Label2_1, "Label2(1)", label, {2760, 840, 255, 495}, u")", 15.75, 6, u""},
    {Label2_2, "Label2(2)", label, {3000, 1440, 255, 495}, u"=", 15.75, 7, u""},
    {Label2_3, "Label2(3)", label, {3240, 1320, 2775, 735}, u"填入数值", 21, 8, u"", u"B值计算结果"},
    {Label2_4, "Label2(4)", label, {720, 1440, 495, 495}, u"B=", 15.75, 9, u""},
    {Command1, "Command1", button, {3840, 2280, 1935, 735}, u"计算", 0, 10, u"计算B值"},
    {Check1, "Check1", checkBox, {1320, 2640, 1455, 375}, u"使用绝对温度", 0, 11,
     u"温度为绝对温度（开尔文），不勾选时为摄氏度"},
    {Image1, "Image1", picture, {3000, 0, 3015, 1260}, u"", 0, -1, u"公式：β(T1/T2) = ln(R_T1/R_T2) / (1/T1 − 1/T2)"},
}};

constexpr std::array<LineSpec, 5> kLines{{
    {"Line1", 1560, 960, 2760, 960},   // R1 over R2 inside Ln( )
    {"Line2", 1320, 1560, 2880, 1560}, // Ln(…) over (1/T1 − 1/T2)
    {"Line3", 1200, 2040, 1920, 2040}, // 1 over T1
    {"Line4", 2280, 2040, 3120, 2040}, // 1 over T2
    {"Line5", 2040, 2040, 2160, 2040}, // the minus sign
}};

// controls()[i] is the control of ControlId(i).
constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (kControls[i].id != ControlId(i)) return false;
    return true;
}
static_assert(inIdOrder());

} // namespace

ControlId controlOf(FieldId field) { return kFieldControls[std::size_t(field)]; }

std::optional<FieldId> fieldOf(ControlId control)
{
    for (FieldId field : kFields)
        if (controlOf(field) == control) return field;
    return std::nullopt;
}

std::span<const ControlSpec> controls() { return kControls; }

const ControlSpec& control(ControlId id) { return kControls[std::size_t(id)]; }

std::string_view nameOf(ControlId id) { return id == Form1 ? "Form1" : control(id).name; }

std::string_view nameOf(FieldId field) { return nameOf(controlOf(field)); }

FontChoice fontOf(ControlId id, double dotsPerInch)
{
    const ControlSpec& item = control(id);
    return fontFor(item.kind == ControlKind::label ? item.pointSize : kWindow.pointSize, dotsPerInch);
}

std::span<const LineSpec> lines() { return kLines; }

const ControlSpec* findControl(std::string_view name)
{
    for (const ControlSpec& control : kControls)
        if (control.name == name) return &control;
    return nullptr;
}

bool takesFocus(const ControlSpec& control)
{
    return control.kind == field || control.kind == button || control.kind == checkBox;
}

bool pressedByEnter(const ControlSpec& control) { return control.kind == button; }

bool inAccessibleTree(const ControlSpec& control) { return !control.decorative; }

const std::vector<const ControlSpec*>& tabOrder()
{
    static const std::vector<const ControlSpec*> order = [] {
        std::vector<const ControlSpec*> focusable;
        for (const ControlSpec& control : kControls)
            if (takesFocus(control)) focusable.push_back(&control);
        std::sort(focusable.begin(), focusable.end(),
                  [](const ControlSpec* l, const ControlSpec* r) { return l->tabIndex < r->tabIndex; });
        return focusable;
    }();
    return order;
}

} // namespace ui
