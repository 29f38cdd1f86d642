#include "framework/Dialog.h"

#include "framework/Application.h"
#include "framework/Placement.h"
#include "framework/Resources.h"
#include "framework/Text.h"

namespace fw {

const Message<Dialog> Dialog::kMessages[] = {
    {WM_COMMAND, BN_CLICKED, IDOK, &Dialog::OnOK},
    {WM_COMMAND, BN_CLICKED, IDCANCEL, &Dialog::OnCancel},
};

INT_PTR Dialog::DoModal() {
    return DialogBoxParamW(ResourceInstance(), MAKEINTRESOURCEW(m_templateId), Owner(), DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Owner() const {
    if (m_hWndParent) return m_hWndParent;
    const Application* app = Application::Instance();
    const Dialog* main = app ? app->m_pMainWnd : nullptr;
    return main && main != this ? main->m_hWnd : nullptr;
}

bool Dialog::OnInitDialog() {
    DoDataExchange();
    return true;
}

void Dialog::OnOK() {
    DoDataExchange();
    EndDialog(m_hWnd, IDOK);
}

bool Dialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return Route(kMessages, message, wParam, lParam, result);
}

void Dialog::BindControl(int id, Window& control) const {
    if (!control.m_hWnd) control.Attach(GetDlgItem(m_hWnd, id));
}

// A combo box selects its edit part's text only the first time it takes the focus, so that is
// done here, after the move.
void Dialog::GotoControl(HWND control) const {
    SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr))
        SendMessageW(edit, EM_SETSEL, 0, -1);
}

void Dialog::SetItemText(int id, const std::string& text) const {
    SetDlgItemTextW(m_hWnd, id, ToUtf16(text).c_str());
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
        const bool focusFirst = self->OnInitDialog();
        if (TemplateAsksCentring(ResourceInstance(), self->m_templateId)) CentreWindow(hWnd);
        return focusFirst ? TRUE : FALSE;
    }
    // Messages before WM_INITDIALOG find no object yet and get the default processing.
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) self->m_hWnd = nullptr;
    INT_PTR result = FALSE;
    return self->ProcessMessage(message, wParam, lParam, result) ? result : FALSE;
}

}  // namespace fw
