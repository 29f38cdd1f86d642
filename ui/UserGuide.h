// The Korean user guide that comes with the program, in the program's own folder; F1 opens it.
#pragma once

#include <optional>
#include <string>

// The guide's full path beside the running program, when the guide is there.
std::optional<std::wstring> UserGuidePath();

// Opens the guide with the system's viewer for its type. Where the guide is missing, or nothing
// can open it, nothing happens and nothing is said.
void OpenUserGuide();
