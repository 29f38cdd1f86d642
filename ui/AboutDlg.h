// The About box, opened from the date form's system menu. Its OK button, Enter, Esc and the
// close box close it; nothing is read from it.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class CAboutDlg : public fw::Dialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();
};
