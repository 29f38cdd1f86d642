#include "framework/Controls.h"

#include "framework/Text.h"

namespace fw {

namespace {

constexpr wchar_t kEditProcProperty[] = L"fw.EditProc";

LRESULT CALLBACK PasteWatcher(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(edit, kEditProcProperty));
    if (message == WM_PASTE) {
        SendMessageW(GetParent(edit), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(edit), kEditPaste),
                     reinterpret_cast<LPARAM>(edit));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(edit, kEditProcProperty);
    }
    return CallWindowProcW(original, edit, message, wParam, lParam);
}

}  // namespace

void Edit::WatchPaste() {
    SetPropW(m_hWnd, kEditProcProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)));
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PasteWatcher));
}

void Edit::DefaultPaste() const {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(m_hWnd, kEditProcProperty));
    CallWindowProcW(original, m_hWnd, WM_PASTE, 0, 0);
}

void ComboBox::AddString(const std::string& text) const {
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(text).c_str()));
}

}  // namespace fw
