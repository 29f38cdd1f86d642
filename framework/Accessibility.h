// Names that screen readers announce for controls. Without one, the system names an edit field
// or combo box after the static text before it in tab order, which for a row of date fields is
// just the unit label ("년", "월", ...).
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Gives the control its accessible name (CP949 text), replacing the one taken from its label.
// For a combo box with an edit part the edit part gets the same name, since a screen reader in
// the box asks the focused window, the edit part, for its name. Needs the calling thread's COM
// apartment (ComApartment); where the system offers no annotation service, does nothing.
void SetAccessibleName(HWND control, const std::string& cp949Name);

}  // namespace fw
