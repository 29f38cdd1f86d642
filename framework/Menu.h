// A menu handle, such as a window's system menu; false when the window has none. And a pop-up
// menu of the program's own, shown at a point until the user chooses or dismisses it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Text.h"

namespace fw {

class Menu {
public:
    explicit Menu(HMENU hMenu) : m_hMenu(hMenu) {}
    explicit operator bool() const { return m_hMenu != nullptr; }

    void AppendSeparator() const { AppendMenuW(m_hMenu, MF_SEPARATOR, 0, nullptr); }
    // A disabled item shows greyed and cannot be chosen.
    void AppendItem(UINT id, const std::string& text, bool enabled = true) const {
        AppendMenuW(m_hMenu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id,
                    ToUtf16(text).c_str());
    }

    HMENU m_hMenu;
};

class PopupMenu : public Menu {
public:
    PopupMenu() : Menu(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (m_hMenu) DestroyMenu(m_hMenu);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // Shows the menu with its top-left corner at the screen point and returns the id of the
    // item chosen, or 0 when the menu closed without a choice. No WM_COMMAND is sent.
    UINT Track(HWND owner, POINT screen) const {
        return static_cast<UINT>(TrackPopupMenu(m_hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                                screen.y, 0, owner, nullptr));
    }
};

}  // namespace fw
