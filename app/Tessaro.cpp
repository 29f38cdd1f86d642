#include "app/Tessaro.h"

#include <windows.h>

#include <shellapi.h>

#include "framework/ComApartment.h"
#include "ui/form/TessaroDlg.h"

// The application object, built before the entry point runs (framework/AppMain.cpp).
CTessaroApp theApp;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

namespace {

// "Tessaro.exe /tools" (any case) opens the date tools over the form at start.
bool AsksForDateTools() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    bool asked = false;
    for (int i = 1; args && i < count; ++i) asked = asked || lstrcmpiW(args[i], L"/tools") == 0;
    LocalFree(args);
    return asked;
}

}  // namespace

bool CTessaroApp::InitInstance() {
    // The controls are the classic system controls: no container or 3-D set-up is needed. COM
    // is entered for as long as the form is open, since the form names its fields for screen
    // readers through a COM service.
    const fw::ComApartment com;
    CTessaroDlg dlg(nullptr, AsksForDateTools());
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
