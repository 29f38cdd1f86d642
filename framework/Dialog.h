// A modal dialog built from a dialog template. Each class routes messages through its own static
// message table, then its base class's: the first matching entry runs, and anything no table
// matches gets the system's default dialog processing.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>

#include "framework/MessageMap.h"
#include "framework/Window.h"

namespace fw {

class Dialog : public Window {
public:
    // parent: the owner while the dialog runs; without one, the application's main window.
    explicit Dialog(UINT templateId, HWND parent = nullptr)
        : m_templateId(templateId), m_hWndParent(parent) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window and runs it until EndDialog. Returns the end result (IDOK,
    // IDCANCEL), or -1 when the window could not be created.
    INT_PTR DoModal();

protected:
    // Binds control objects to their controls (BindControl); runs on initialisation and on OK.
    virtual void DoDataExchange() {}
    // Runs the data exchange. true: the system puts the focus on the first tab stop.
    virtual bool OnInitDialog();
    // Runs the data exchange, then ends the dialog with IDOK.
    virtual void OnOK();
    void OnCancel() { EndDialog(m_hWnd, IDCANCEL); }

    // Looks the message up in the class's table, then its base's; true when an entry matched,
    // with the dialog procedure's result. Each class with a table overrides this as
    //   return Route(kMessages, ...) || Base::ProcessMessage(...);
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    template <class T, size_t N>
    bool Route(const Message<T> (&table)[N], UINT message, WPARAM wParam, LPARAM lParam,
               INT_PTR& result);

    // Asks for the system's default processing of the current message once its handler
    // returns; always the handler's last step.
    void Default() { m_default = true; }

    void BindControl(int id, Window& control) const;
    // Moves the focus to the control as Tab does: an edit's text (a combo box's too) is then
    // selected, so typing replaces it, and the default button is kept right.
    void GotoControl(HWND control) const;
    void SetItemText(int id, const std::string& text) const;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Owner() const;

    static const Message<Dialog> kMessages[];

    UINT m_templateId;
    HWND m_hWndParent;
    bool m_default = false;
};

template <class T, size_t N>
bool Dialog::Route(const Message<T> (&table)[N], UINT message, WPARAM wParam, LPARAM lParam,
                   INT_PTR& result) {
    for (const Message<T>& entry : table) {
        if (!entry.Matches(message, wParam)) continue;
        // Handlers can run nested inside one another (a write raising a notification), so
        // each keeps its own default request.
        const bool outer = std::exchange(m_default, false);
        result = std::visit(MessageCall<T>{static_cast<T&>(*this), wParam, lParam}, entry.handler);
        if (std::exchange(m_default, outer)) result = FALSE;
        return true;
    }
    return false;
}

}  // namespace fw
