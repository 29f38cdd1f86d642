// A menu handle, such as a window's system menu; false when the window has none.
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
    void AppendItem(UINT id, const std::string& text) const {
        AppendMenuW(m_hMenu, MF_STRING, id, ToUtf16(text).c_str());
    }

    HMENU m_hMenu;
};

}  // namespace fw
