#include "SystemFacts.h"

#include <windows.h>

#include <shellscalingapi.h>

#include <cstdio>
#include <vector>

namespace {

std::wstring RegistryText(const wchar_t* name) {
    wchar_t value[256] = L"";
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", name,
                     RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

DWORD RegistryNumber(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", name,
                 RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

std::wstring Windows() {
    // RtlGetVersion tells the truth whatever the program's manifest declares.
    RTL_OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (rtlGetVersion != nullptr) rtlGetVersion(&version);

    std::wstring product = RegistryText(L"ProductName");
    // Windows 11 still calls itself Windows 10 there; its builds start at 22000.
    if (version.dwBuildNumber >= 22000 && product.find(L"Windows 10") != std::wstring::npos) {
        product.replace(product.find(L"Windows 10"), 10, L"Windows 11");
    }
    std::wstring release = RegistryText(L"DisplayVersion");
    if (release.empty()) release = RegistryText(L"ReleaseId");
    wchar_t numbers[64];
    std::swprintf(numbers, 64, L"%lu.%lu.%lu.%lu", version.dwMajorVersion, version.dwMinorVersion,
                  version.dwBuildNumber, RegistryNumber(L"UBR"));
    return (product.empty() ? L"(no product name)" : product) +
           (release.empty() ? L"" : L" " + release) + L", version " + numbers;
}

std::wstring Language() {
    const LANGID language = GetUserDefaultUILanguage();
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = L"";
    LCIDToLocaleName(MAKELCID(language, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0);
    wchar_t english[128] = L"";
    GetLocaleInfoEx(name, LOCALE_SENGLISHDISPLAYNAME, english, 128);
    wchar_t id[16];
    std::swprintf(id, 16, L"0x%04X", language);
    return std::wstring(name) + L" (" + english + L"), LANGID " + id;
}

std::wstring Scale() {
    HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (FAILED(GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &dpiX, &dpiY))) {
        HDC screen = GetDC(nullptr);
        dpiX = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(primary, &info);
    wchar_t text[96];
    std::swprintf(text, 96, L"%u %% (%u dpi), primary monitor %ld x %ld pixels", dpiX * 100 / 96,
                  dpiX, info.rcMonitor.right - info.rcMonitor.left,
                  info.rcMonitor.bottom - info.rcMonitor.top);
    return text;
}

// Keystrokes and focus need an interactive session whose desktop takes input: not a service's
// session 0, not a locked screen or a session another user holds the console of.
std::wstring DesktopProblem() {
    DWORD session = 0;
    if (ProcessIdToSessionId(GetCurrentProcessId(), &session) && session == 0) {
        return L"this runs in session 0 (a service), which has no desktop to work";
    }
    HDESK input = OpenInputDesktop(0, FALSE, DESKTOP_SWITCHDESKTOP);
    if (input == nullptr) {
        return L"the desktop takes no input (the screen is locked, or the session is "
               L"disconnected)";
    }
    wchar_t name[64] = L"";
    GetUserObjectInformationW(input, UOI_NAME, name, sizeof name, nullptr);
    CloseDesktop(input);
    if (_wcsicmp(name, L"Default") != 0) {
        return std::wstring(L"the desktop in front is \"") + name +
               L"\" (a lock or sign-in screen), not this session's";
    }
    return {};
}

}  // namespace

void BecomeDpiAware() {
    using SetContextFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto setContext = reinterpret_cast<SetContextFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    if (setContext == nullptr || !setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        SetProcessDPIAware();
    }
}

SystemFacts ReadSystemFacts() {
    return SystemFacts{
        Windows(), Language(),
        L"ANSI " + std::to_wstring(GetACP()) + L", OEM " + std::to_wstring(GetOEMCP()), Scale(),
        DesktopProblem()};
}

std::wstring FileVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<BYTE> record(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, record.data()) ||
        !VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&info), &length)) {
        return {};
    }
    wchar_t text[48];
    std::swprintf(text, 48, L"%u.%u.%u.%u", HIWORD(info->dwFileVersionMS),
                  LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                  LOWORD(info->dwFileVersionLS));
    return text;
}
