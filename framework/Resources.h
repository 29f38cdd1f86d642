// Resources of the executable: strings and icons.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// The module that holds the resources: the executable itself.
inline HINSTANCE ResourceInstance() {
    return GetModuleHandleW(nullptr);
}

// The string resource as CP949; empty when it is missing.
std::string LoadResString(UINT id);

// The icon resource at the standard icon size. Shared: the system owns it, never destroy it.
HICON LoadIconResource(UINT id);

}  // namespace fw
