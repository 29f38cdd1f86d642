// A floor for Tessaro's start-up time and memory: a program that does nothing but run one
// modal dialog from its resources, with a dialog procedure that only closes it. Built as
// EmptyDialog (a frame with no controls) and as FormTemplate (Tessaro's own form template and
// resources), like Tessaro.exe; BASELINE_TEMPLATE names the template.
#include <windows.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK CloseOnlyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            // Esc and WM_CLOSE arrive as IDCANCEL.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*showCommand*/) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(BASELINE_TEMPLATE), nullptr, CloseOnlyProc, 0);
    return 0;
}
