#include "framework/Files.h"

#include <shellapi.h>

namespace fw {

namespace {

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: a longer path
    }
}

}  // namespace

std::wstring PathBesideProgram(std::wstring_view fileName) {
    std::wstring path = ProgramPath();
    const size_t folderEnd = path.find_last_of(L'\\');
    // Never a bare file name, which would name a file in the current folder.
    if (folderEnd == std::wstring::npos) return {};
    path.resize(folderEnd + 1);
    return path.append(fileName);
}

bool IsExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The shell library is loaded only when a file is opened: linked in, it would load with the
// program on every start, for a command most starts never use. It is one of the system's known
// libraries, which always load from the system folder. It stays loaded, since the viewer's start
// can go on in threads of its own after the call returns.
bool OpenWithViewer(HWND owner, const std::wstring& path) {
    using ShellExecuteFunction = decltype(&ShellExecuteW);
    HMODULE shell = LoadLibraryW(L"shell32.dll");
    if (!shell) return false;
    const auto shellExecute = reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")));
    if (!shellExecute) return false;
    // Values above 32 mean success.
    const auto result = reinterpret_cast<INT_PTR>(
        shellExecute(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace fw
