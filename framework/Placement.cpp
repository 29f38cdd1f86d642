#include "framework/Placement.h"

namespace fw {

namespace {

// The header fields shared by both template forms; only their offsets differ.
struct TemplatePlacement {
    DWORD style;
    short x;
    short y;
};

TemplatePlacement ReadPlacement(const BYTE* data) {
    TemplatePlacement placement{};
    const auto signature = reinterpret_cast<const WORD*>(data)[1];
    if (signature == 0xFFFF) {
        // Extended: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, ...
        CopyMemory(&placement.style, data + 12, sizeof(DWORD));
        CopyMemory(&placement.x, data + 18, sizeof(short));
        CopyMemory(&placement.y, data + 20, sizeof(short));
    } else {
        // Classic DLGTEMPLATE: style, dwExtendedStyle, cdit, x, y, ...
        CopyMemory(&placement.style, data, sizeof(DWORD));
        CopyMemory(&placement.x, data + 10, sizeof(short));
        CopyMemory(&placement.y, data + 12, sizeof(short));
    }
    return placement;
}

RECT WorkArea(HWND hWnd) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(hWnd, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

int Clamp(int start, int size, long low, long high) {
    if (start + size > high) start = high - size;
    return start < low ? low : start;
}

}  // namespace

bool TemplateAsksCentring(HINSTANCE instance, UINT templateId) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    const void* data = found ? LockResource(LoadResource(instance, found)) : nullptr;
    if (!data) return false;
    const TemplatePlacement placement = ReadPlacement(static_cast<const BYTE*>(data));
    return placement.x == 0 && placement.y == 0 &&
           (placement.style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
}

void CentreWindow(HWND hWnd) {
    const RECT area = WorkArea(hWnd);
    RECT over = area;
    HWND owner = GetWindow(hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &over);

    RECT window{};
    GetWindowRect(hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = (over.left + over.right) / 2 - width / 2;
    const int top = (over.top + over.bottom) / 2 - height / 2;
    SetWindowPos(hWnd, nullptr, Clamp(left, width, area.left, area.right),
                 Clamp(top, height, area.top, area.bottom), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fw
