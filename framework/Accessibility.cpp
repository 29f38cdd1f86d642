#include "framework/Accessibility.h"

// The service's identifiers are defined here rather than linked from the uuid library, whose
// one object file holds every system identifier and would add about 40 KB to the program.
#include <initguid.h>

#include <oleacc.h>

#include "framework/Text.h"

namespace fw {

namespace {

void Annotate(IAccPropServices& service, HWND window, const std::wstring& name) {
    service.SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                           name.c_str());
}

}  // namespace

// The annotation service keeps the name with the window and drops it by itself when the window
// is destroyed, so nothing needs clearing, and the service object can go at once.
void SetAccessibleName(HWND control, const std::string& cp949Name) {
    IAccPropServices* service = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&service)))) {
        return;
    }
    const std::wstring name = ToUtf16(cp949Name);
    Annotate(*service, control, name);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
        Annotate(*service, combo.hwndItem, name);
    }
    service->Release();
}

}  // namespace fw
