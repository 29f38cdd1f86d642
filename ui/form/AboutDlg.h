// The About box, opened from the date form's system menu. Its OK button, Enter, Esc and the
// close box close it; nothing is read from it. F1 opens the user guide, as on the form.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class CAboutDlg : public fw::Dialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    static const fw::Message<CAboutDlg> kMessages[];

    void OnHelp();  // cppcheck-suppress unusedPrivateFunction ; called through kMessages
};
