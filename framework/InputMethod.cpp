#include "framework/InputMethod.h"

#include <imm.h>

namespace fw {

namespace {

using AssociateContextEx = BOOL(WINAPI*)(HWND, HIMC, DWORD);

// The input method library is loaded on first use rather than imported, so that the program
// does not load it at start-up; it stays loaded once it is.
AssociateContextEx LoadAssociateContextEx() {
    HMODULE library = GetModuleHandleW(L"imm32.dll");
    if (!library) library = LoadLibraryExW(L"imm32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return nullptr;
    return reinterpret_cast<AssociateContextEx>(
        reinterpret_cast<void*>(GetProcAddress(library, "ImmAssociateContextEx")));
}

}  // namespace

void DisableInputMethod(HWND control) {
    const AssociateContextEx associate = LoadAssociateContextEx();
    if (!associate) return;
    associate(control, nullptr, 0);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo) && combo.hwndItem && combo.hwndItem != control) {
        associate(combo.hwndItem, nullptr, 0);
    }
}

}  // namespace fw
