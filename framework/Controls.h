// Control objects: bound to the template's controls by a dialog's data exchange.
#pragma once

#include <string>

#include "framework/Window.h"

namespace fw {

class Edit : public Window {};

class ComboBox : public Window {
public:
    // Removes every list item; also empties the edit part.
    void ResetContent() const { Send(CB_RESETCONTENT); }
    // Appends the item, or inserts it in order when the list is sorted.
    void AddString(const std::string& text) const;
};

}  // namespace fw
