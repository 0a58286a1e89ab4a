// ntc-beta: what screen readers find in the Windows window.
#include "ui/win32/accessibility.h"

#include "ui/form_layout.h"
#include "ui/win32/text.h"

#include <initguid.h> // defines the accessibility GUIDs used below
#include <oleacc.h>

namespace ui::win32 {

namespace {

// UI Automation's LiveSetting property, {C12BCD8E-2A8E-4950-8AE7-3625111D58EB},
// which the MinGW headers lack: a live region's changes are read out.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);
constexpr long kLivePolite = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, which the headers declare from Windows 8
// on; Windows 7 hands it on to whoever listens, and nobody there does.
constexpr DWORD kLiveRegionChanged = 0x8019;

VARIANT numberVariant(long value)
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

} // namespace

Accessibility::~Accessibility()
{
    if (services_) services_->Release();
}

void Accessibility::describe(std::span<const HWND> children, HWND result)
{
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services_))))
        return;
    const auto all = controls();
    for (std::size_t i = 0; i < all.size() && i < children.size(); ++i) {
        if (!inAccessibleTree(all[i])) {
            hide(children[i]);
            continue;
        }
        if (!all[i].accessibleName.empty() && all[i].kind != ControlKind::picture)
            setText(children[i], false, all[i].accessibleName);
        if (!all[i].accessibleDescription.empty()) setText(children[i], true, all[i].accessibleDescription);
    }
    makeLiveRegion(result);
}

void Accessibility::setDescription(HWND control, std::u16string_view text) { setText(control, true, text); }

void Accessibility::announce(HWND label)
{
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(kLiveRegionChanged, label, OBJID_CLIENT, CHILDID_SELF);
}

void Accessibility::setText(HWND control, bool description, std::u16string_view text)
{
    if (!services_) return;
    const std::wstring wideText = wide(text);
    const MSAAPROPID property = description ? PROPID_ACC_DESCRIPTION : PROPID_ACC_NAME;
    if (text.empty())
        services_->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, &property, 1);
    else
        services_->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, property, wideText.c_str());
}

void Accessibility::hide(HWND control)
{
    services_->SetHwndProp(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_STATE,
                           numberVariant(STATE_SYSTEM_INVISIBLE));
}

void Accessibility::makeLiveRegion(HWND control)
{
    services_->SetHwndProp(control, DWORD(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, numberVariant(kLivePolite));
}

} // namespace ui::win32
