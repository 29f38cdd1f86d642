#include "app/Tessaro.h"

#include "ui/TessaroDlg.h"

CTessaroApp theApp;

bool CTessaroApp::InitInstance() {
    // The controls are the classic system controls: no container or 3-D set-up is needed.
    CTessaroDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
