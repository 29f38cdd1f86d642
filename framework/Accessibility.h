// What screen readers learn about controls beyond what the system tells them. Names: without
// one, the system names an edit field or combo box after the static text before it in tab order,
// which for a row of date fields is just the unit label ("년", "월", ...). Live regions: a
// status line whose changes are read out without the user moving the focus to it.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Gives the control its accessible name (CP949 text), replacing the one taken from its label.
// For a combo box with an edit part the edit part gets the same name, since a screen reader in
// the box asks the focused window, the edit part, for its name. Needs the calling thread's COM
// apartment (ComApartment); where the system offers no annotation service, does nothing.
void SetAccessibleName(HWND control, const std::string& cp949Name);

// Marks the control as an assertive live region: screen readers read its new text out at once,
// wherever the focus is, when told it changed (AnnounceLiveRegionChange). Needs the COM
// apartment as SetAccessibleName does; where there is no annotation service, does nothing.
void MarkAssertiveLiveRegion(HWND control);
void AnnounceLiveRegionChange(HWND control);

}  // namespace fw
