// What screen readers learn about controls beyond what the system tells them. Names: without
// one, the system names an edit field or combo box after the static text before it in tab order,
// which for a row of date fields is just the unit label ("년", "월", ...). Live regions: a
// status line whose changes are read out without the user moving the focus to it.
#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace fw {

// The system's annotation service, for the annotations of one window's controls; created once
// for all of them, since each creation costs a few milliseconds at start-up. Needs the calling
// thread's COM apartment (ComApartment). Where the system offers no annotation service, every
// call does nothing. Annotations stay with their windows after this object is gone.
class Annotations {
public:
    Annotations();
    ~Annotations();
    Annotations(const Annotations&) = delete;
    Annotations& operator=(const Annotations&) = delete;

    // Gives the control its accessible name (CP949 text), replacing the one taken from its
    // label. For a combo box with an edit part the edit part gets the same name, since a screen
    // reader in the box asks the focused window, the edit part, for its name.
    void SetName(HWND control, const std::string& cp949Name);

    // Marks the control as an assertive live region: screen readers read its new text out at
    // once, wherever the focus is, when told it changed (AnnounceLiveRegionChange).
    void MarkAssertiveLiveRegion(HWND control);

private:
    IAccPropServices* service_ = nullptr;
};

void AnnounceLiveRegionChange(HWND control);

}  // namespace fw
