#include "app/Tessaro.h"

#include "framework/ComApartment.h"
#include "ui/form/TessaroDlg.h"

// The application object, built before the entry point runs (framework/AppMain.cpp).
CTessaroApp theApp;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

bool CTessaroApp::InitInstance() {
    // The controls are the classic system controls: no container or 3-D set-up is needed. COM
    // is entered for as long as the form is open, since the form names its fields for screen
    // readers through a COM service.
    const fw::ComApartment com;
    CTessaroDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
