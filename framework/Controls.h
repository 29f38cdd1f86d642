// Control objects: bound to the template's controls by a dialog's data exchange.
#pragma once

#include <string>

#include "framework/Window.h"

namespace fw {

// The notification code a watched edit sends its dialog (WM_COMMAND, with its id) in place of
// pasting; chosen outside the range of the system's edit notifications.
constexpr WORD kEditPaste = 0x7E00;

class Edit : public Window {
public:
    // From now on a paste (Ctrl+V, Shift+Insert, the edit menu) is not done but announced to the
    // dialog as kEditPaste; the dialog's handler decides, and calls DefaultPaste for a text it has
    // no use of its own for. The object must outlive the control.
    void WatchPaste();
    // Pastes as the edit control itself does.
    void DefaultPaste() const;

private:
    static LRESULT CALLBACK WatchingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_editProc = nullptr;
};

class ComboBox : public Window {
public:
    // Removes every list item; also empties the edit part.
    void ResetContent() const { Send(CB_RESETCONTENT); }
    // Appends the item, or inserts it in order when the list is sorted.
    void AddString(const std::string& text) const;
};

}  // namespace fw
