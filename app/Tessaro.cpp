#include "app/Tessaro.h"

#include "framework/ComApartment.h"
#include "ui/TessaroDlg.h"

CTessaroApp theApp;

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
