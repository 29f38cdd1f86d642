// Files that come with the program: found in the program's own folder, whatever the current
// folder is, and opened with the viewer the system associates with their type.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

// The full path of a file in the running program's folder, whether or not the file exists;
// empty when the program's own path cannot be read.
std::wstring PathBesideProgram(std::wstring_view fileName);

// Whether the path names an existing file (not a folder).
bool IsExistingFile(const std::wstring& path);

// Opens the file with the system's viewer for its type; false when nothing opened it. Any window
// the system shows on the way (a choice of viewer, an error) is owned by the given one.
bool OpenWithViewer(HWND owner, const std::wstring& path);

}  // namespace fw
