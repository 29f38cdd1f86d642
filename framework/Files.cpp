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

// The environment variable, not the shell's known-folder call: that would load shell32 at
// start-up for one path.
std::wstring PathInAppData(std::wstring_view relativePath) {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = GetEnvironmentVariableW(L"APPDATA", folder.data(), MAX_PATH);
    if (length >= MAX_PATH) {  // a longer path: the length asked for includes the terminator
        folder.resize(length);
        length = GetEnvironmentVariableW(L"APPDATA", folder.data(), length);
    }
    if (length == 0 || length >= folder.size()) return {};
    folder.resize(length);
    return folder + L'\\' + std::wstring(relativePath);
}

std::optional<std::string> ReadSmallFile(const std::wstring& path, size_t maxBytes) {
    if (path.empty()) return std::nullopt;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> content;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
        static_cast<unsigned long long>(size.QuadPart) <= maxBytes) {
        std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (bytes.empty() ||
            (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
             read == bytes.size())) {
            content = std::move(bytes);
        }
    }
    CloseHandle(file);
    return content;
}

}  // namespace fw
