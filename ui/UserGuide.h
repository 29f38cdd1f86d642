// The Korean user guide that comes with the program, in the program's own folder; F1 opens it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The guide's full path beside the running program, when the guide is there.
std::optional<std::wstring> UserGuidePath();

// Opens the guide with the system's viewer for its type; any window the system shows on the
// way is owned by the given one. Where the guide is missing, nothing happens and nothing is said.
void OpenUserGuide(HWND owner);
