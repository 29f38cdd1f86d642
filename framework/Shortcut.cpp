#include "framework/Shortcut.h"

namespace fw {

namespace {
// The hook procedure has no data of its own; the one shortcut of the user-interface thread.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
const DialogShortcut* g_watching = nullptr;
}  // namespace

DialogShortcut::~DialogShortcut() {
    if (!m_hook) return;
    UnhookWindowsHookEx(m_hook);
    g_watching = nullptr;
}

void DialogShortcut::Watch(HWND dialog, UINT key, UINT command) {
    m_dialog = dialog;
    m_key = key;
    m_command = command;
    g_watching = this;
    m_hook = SetWindowsHookExW(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId());
}

LRESULT CALLBACK DialogShortcut::Filter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const DialogShortcut* self = g_watching;
    if (code == MSGF_DIALOGBOX && self && msg->message == WM_KEYDOWN &&
        msg->wParam == self->m_key && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 &&
        GetKeyState(VK_SHIFT) >= 0 && GetAncestor(msg->hwnd, GA_ROOT) == self->m_dialog) {
        PostMessageW(self->m_dialog, WM_SYSCOMMAND, self->m_command, 0);
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace fw
