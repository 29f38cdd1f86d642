#include "framework/Files.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

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

std::wstring Decimal(DWORD number) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + number % 10));
        number /= 10;
    } while (number != 0);
    return digits;
}

// Writes all the bytes and pushes them to the disk.
bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1U << 30));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return FlushFileBuffers(file) != 0;
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

// The common dialog library is loaded on the first save only, as shell32 is for the viewer: it
// is a known library of the system's, and stays loaded for later saves.
std::wstring AskSavePath(HWND owner, const std::wstring& fileName, const std::wstring& typeName,
                         const std::wstring& extension) {
    using SaveDialogFunction = decltype(&GetSaveFileNameW);
    HMODULE dialogs = LoadLibraryW(L"comdlg32.dll");
    if (!dialogs) return {};
    const auto getSaveFileName = reinterpret_cast<SaveDialogFunction>(
        reinterpret_cast<void*>(GetProcAddress(dialogs, "GetSaveFileNameW")));
    if (!getSaveFileName) return {};
    // The filter: pairs of display name and pattern, each ending in a null, and a null after.
    std::wstring filter = typeName + L'\0' + L"*." + extension + L'\0';
    std::wstring path(32768, L'\0');  // the longest path Windows takes
    path.replace(0, fileName.size(), fileName);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = extension.c_str();
    // No test file made by the dialog: the writer reports a folder it cannot write to itself.
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   OFN_HIDEREADONLY | OFN_NOTESTFILECREATE;
    if (!getSaveFileName(&dialog)) return {};
    path.resize(path.find(L'\0'));
    return path;
}

// The temporary file is made by GetTempFileNameW in the target's folder (so that the final move
// stays on one volume and cannot leave a half-copied file), written and flushed, then moved over
// the target.
DWORD WriteFileWhole(const std::wstring& path, std::string_view bytes) {
    const size_t folderEnd = path.find_last_of(L"\\/");
    // With its final backslash, so that a drive's root stays the root (C:\ rather than C:, the
    // current folder of drive C).
    const std::wstring folder =
        folderEnd == std::wstring::npos ? L".\\" : path.substr(0, folderEnd + 1);
    wchar_t temporary[MAX_PATH + 1] = {};
    // GetTempFileNameW takes a folder of at most MAX_PATH - 14 characters (without the slash).
    if (folder.size() > MAX_PATH - 13) return ERROR_FILENAME_EXCED_RANGE;
    if (!GetTempFileNameW(folder.c_str(), L"tes", 0, temporary)) return GetLastError();
    DWORD error = ERROR_SUCCESS;
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
    } else {
        if (!WriteAll(file, bytes)) error = GetLastError();
        CloseHandle(file);
    }
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFileW(temporary);
    return error;
}

std::wstring ErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    // No number formatting from the C library here: it would bring its floating-point code in.
    std::wstring text = length ? std::wstring(buffer, length) : L"Error " + Decimal(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

}  // namespace fw
