// Files that come with the program: found in the program's own folder, whatever the current
// folder is, and opened with the viewer the system associates with their type. The user's own
// files, read; and files the user asks to save, written whole or not at all.
#pragma once

#include <windows.h>

#include <optional>
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

// The path of a file in the user's roaming application data folder (%APPDATA%), e.g.
// L"Tessaro\\x.txt"; empty when the folder is not set.
std::wstring PathInAppData(std::wstring_view relativePath);

// The bytes of a file of at most maxBytes; nothing when it is missing, unreadable or larger.
std::optional<std::string> ReadSmallFile(const std::wstring& path, size_t maxBytes);

// The system's Save As dialog, offering files of one type ("Name (*.ext)", "ext") and proposing
// the file name given; the full path chosen, or empty when the user cancelled. A chosen name
// that exists is confirmed by the dialog before it returns.
std::wstring AskSavePath(HWND owner, const std::wstring& fileName, const std::wstring& typeName,
                         const std::wstring& extension);

// Writes the bytes to a temporary file in the path's folder, then puts it in the path's place,
// so that a failure leaves the file there before (if any) untouched and no temporary behind.
// ERROR_SUCCESS, or the system's error code.
DWORD WriteFileWhole(const std::wstring& path, std::string_view bytes);

// The system's text for an error code, in the system's language, without a final line break.
std::wstring ErrorText(DWORD error);

}  // namespace fw
