// A window handle with the few operations the program uses. Texts are CP949.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Window {
public:
    HWND m_hWnd = nullptr;

    void Attach(HWND hWnd) { m_hWnd = hWnd; }

    std::string GetText() const;
    void SetText(const std::string& text) const;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }

    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    RECT GetClientRect() const;
    void SetIcon(HICON icon, bool big) const;
    void SetTimer(UINT_PTR id, UINT milliseconds) const {
        ::SetTimer(m_hWnd, id, milliseconds, nullptr);
    }
    // A message box owned by this window; returns the button pressed (IDYES, ...).
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) const;
};

// Painting between BeginPaint and EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = BeginPaint(hWnd, &m_ps); }
    ~PaintDC() { EndPaint(m_hWnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC m_hDC;

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

}  // namespace fw
