// A key that gives a dialog a system command wherever the focus is in it, as an accelerator does
// in a window with a message loop of its own. A modal dialog's loop is the system's, so a
// message-filter hook of the thread watches the keys before the dialog sees them.
#pragma once

#include <windows.h>

namespace fw {

class DialogShortcut {
public:
    DialogShortcut() = default;
    ~DialogShortcut();
    DialogShortcut(const DialogShortcut&) = delete;
    DialogShortcut& operator=(const DialogShortcut&) = delete;

    // From now on Ctrl with the key (a virtual-key code) posts WM_SYSCOMMAND with the command to
    // the dialog while one of its controls has the focus. One shortcut per thread.
    void Watch(HWND dialog, UINT key, UINT command);

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook = nullptr;
    HWND m_dialog = nullptr;
    UINT m_key = 0;
    UINT m_command = 0;
};

}  // namespace fw
