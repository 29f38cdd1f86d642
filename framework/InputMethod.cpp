#include "framework/InputMethod.h"

#include <imm.h>

namespace fw {

void DisableInputMethod(HWND control) {
    ImmAssociateContextEx(control, nullptr, 0);
    // A drop-down combo box types into an edit control of its own.
    if (HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr))
        ImmAssociateContextEx(edit, nullptr, 0);
}

}  // namespace fw
