#include "ui/form/AboutDlg.h"

#include "ui/UserGuide.h"

const fw::Message<CAboutDlg> CAboutDlg::kMessages[] = {
    {WM_HELP, 0, 0, &CAboutDlg::OnHelp},
};

// No parent: the About box is owned by the application's main window, the date form.
CAboutDlg::CAboutDlg() : fw::Dialog(IDD) {}

bool CAboutDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return Route(kMessages, message, wParam, lParam, result) ||
           fw::Dialog::ProcessMessage(message, wParam, lParam, result);
}

void CAboutDlg::OnHelp() {
    OpenUserGuide(m_hWnd);
}
