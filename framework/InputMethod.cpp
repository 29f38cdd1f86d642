#include "framework/InputMethod.h"

#include <imm.h>

namespace fw {

void DisableInputMethod(HWND control) {
    ImmAssociateContextEx(control, nullptr, 0);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
        ImmAssociateContextEx(combo.hwndItem, nullptr, 0);
    }
}

}  // namespace fw
