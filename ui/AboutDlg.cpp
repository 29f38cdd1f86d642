#include "ui/AboutDlg.h"

// No parent: the About box is owned by the application's main window, the date form.
CAboutDlg::CAboutDlg() : fw::Dialog(IDD) {}
