// The floor for Tessaro's start-up time and memory: a program that does nothing but run an
// empty modal dialog, built with the same toolchain, flags and manifest as Tessaro.exe.
#include <windows.h>

namespace {

// The dialog template in EmptyDialog.rc.
constexpr int kEmptyDialog = 100;

INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
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
    DialogBoxParamW(instance, MAKEINTRESOURCEW(kEmptyDialog), nullptr, EmptyDialogProc, 0);
    return 0;
}
