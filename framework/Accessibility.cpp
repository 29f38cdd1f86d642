#include "framework/Accessibility.h"

// The service's identifiers are defined here rather than linked from the uuid library, whose
// one object file holds every system identifier and would add about 40 KB to the program.
#include <initguid.h>

#include <oleacc.h>

#include "framework/Text.h"

namespace fw {

namespace {

// UI Automation's LiveSetting property, which the annotation service hands on to UI Automation
// clients, and its value Assertive.
constexpr MSAAPROPID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kAssertive = 2;

void Annotate(IAccPropServices& service, HWND window, const std::wstring& name) {
    service.SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                           name.c_str());
}

}  // namespace

// The service keeps each annotation with its window and drops it by itself when the window is
// destroyed, so nothing needs clearing and the service object can go at once.
Annotations::Annotations() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&service_)))) {
        service_ = nullptr;
    }
}

Annotations::~Annotations() {
    if (service_) service_->Release();
}

void Annotations::SetName(HWND control, const std::string& cp949Name) {
    if (!service_) return;
    const std::wstring name = ToUtf16(cp949Name);
    Annotate(*service_, control, name);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
        Annotate(*service_, combo.hwndItem, name);
    }
}

void Annotations::MarkAssertiveLiveRegion(HWND control) {
    if (!service_) return;
    VARIANT setting{};
    // vt says which member of the union is in use.
    // NOLINTBEGIN(cppcoreguidelines-pro-type-union-access)
    setting.vt = VT_I4;
    setting.lVal = kAssertive;
    // NOLINTEND(cppcoreguidelines-pro-type-union-access)
    service_->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          kLiveSettingProperty, setting);
}

void AnnounceLiveRegionChange(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace fw
