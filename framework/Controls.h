// Control objects: bound to the template's controls by a dialog's data exchange.
#pragma once

#include <string>

#include "framework/Window.h"

namespace fw {

// The notification code an edit sends its dialog, after WatchPaste, instead of pasting.
constexpr WORD kEditPaste = 0x7F01;

class Edit : public Window {
public:
    // From now on a paste (Ctrl+V, Shift+Insert, the edit menu) is not done but sends the
    // parent WM_COMMAND with kEditPaste and the edit's id; DefaultPaste pastes as usual.
    void WatchPaste();
    void DefaultPaste() const;
};

class ComboBox : public Window {
public:
    // Removes every list item; also empties the edit part.
    void ResetContent() const { Send(CB_RESETCONTENT); }
    // Appends the item, or inserts it in order when the list is sorted.
    void AddString(const std::string& text) const;
};

}  // namespace fw
