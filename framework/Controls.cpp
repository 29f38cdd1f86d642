#include "framework/Controls.h"

#include "framework/Text.h"

namespace fw {

void Edit::WatchPaste() {
    if (m_editProc) return;
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchingProc)));
}

void Edit::DefaultPaste() const {
    if (m_editProc) CallWindowProcW(m_editProc, m_hWnd, WM_PASTE, 0, 0);
}

LRESULT CALLBACK Edit::WatchingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Edit*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    const WNDPROC editProc = self->m_editProc;
    // Some edit controls paste on Shift+Insert without a WM_PASTE of their own.
    const bool shiftInsert = message == WM_KEYDOWN && wParam == VK_INSERT &&
                             GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0;
    if (message == WM_PASTE || shiftInsert) {
        SendMessageW(GetParent(hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hWnd), kEditPaste),
                     reinterpret_cast<LPARAM>(hWnd));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
        self->m_editProc = nullptr;
    }
    return CallWindowProcW(editProc, hWnd, message, wParam, lParam);
}

void ComboBox::AddString(const std::string& text) const {
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(text).c_str()));
}

}  // namespace fw
