#include "framework/Window.h"

#include "framework/Text.h"

namespace fw {

std::string Window::GetText() const {
    std::wstring text(GetWindowTextLengthW(m_hWnd) + 1, L'\0');
    text.resize(GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size())));
    return ToCp949(text);
}

void Window::SetText(const std::string& text) const {
    SetWindowTextW(m_hWnd, ToUtf16(text).c_str());
}

RECT Window::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void Window::SetIcon(HICON icon, bool big) const {
    Send(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

int Window::ShowMessageBox(const std::string& text, const std::string& caption, UINT type) const {
    return MessageBoxW(m_hWnd, ToUtf16(text).c_str(), ToUtf16(caption).c_str(), type);
}

}  // namespace fw
