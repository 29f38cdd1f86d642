#include "ui/form/ResultMenu.h"

#include <windowsx.h>

#include <optional>
#include <string>

#include "framework/Clipboard.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "res/resource.h"
#include "ui/form/CountToCopy.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/form/FormTexts.h"

namespace {

constexpr UINT kCopyCommand = 1;
constexpr UINT kDateToolsCommand = 2;

// The context-menu key and Shift+F10 send the point (-1, -1).
bool IsKeyboardRequest(LPARAM where) {
    return GET_X_LPARAM(where) == -1 && GET_Y_LPARAM(where) == -1;
}

bool IsButtonOf(HWND form, HWND window) {
    wchar_t className[8] = L"";
    return window != nullptr && GetParent(window) == form &&
           GetClassNameW(window, className, ARRAYSIZE(className)) != 0 &&
           lstrcmpiW(className, L"Button") == 0;
}

}  // namespace

// The area lets mouse clicks through to the window beneath it, so a right-click on it reaches
// the window as the window's own, at a point inside the area. Fields and boxes answer the
// request themselves and never pass it on; a button passes it on as its own, with a point
// inside the button.
std::optional<POINT> ResultMenuPoint(HWND window, HWND resultArea, HWND clicked, LPARAM where) {
    RECT area{};
    GetWindowRect(resultArea, &area);
    const POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (IsKeyboardRequest(where)) {
        if (!IsButtonOf(window, GetFocus())) return std::nullopt;
        return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }
    if ((clicked != window && clicked != resultArea) || !PtInRect(&area, at)) return std::nullopt;
    return at;
}

ResultMenuOutcome ShowResultMenu(HWND form, HWND clicked, LPARAM where) {
    fw::Window line;
    line.Attach(GetDlgItem(form, IDC_RESULT));
    const std::optional<POINT> at = ResultMenuPoint(form, line.m_hWnd, clicked, where);
    if (!at) return ResultMenuOutcome::NotForTheMenu;

    const std::optional<std::string> count = CountToCopy(line.GetText());
    const fw::PopupMenu menu;
    menu.AppendItem(kCopyCommand, kCopyResultItem, count.has_value());
    menu.AppendItem(kDateToolsCommand, kOpenDateToolsItem);
    switch (menu.Track(form, *at)) {
        case kCopyCommand:
            // A copy that could not be made is said with the warning sound, never passed over.
            if (count && !fw::PutTextOnClipboard(form, *count)) MessageBeep(MB_ICONWARNING);
            return ResultMenuOutcome::Done;
        case kDateToolsCommand:
            return ResultMenuOutcome::DateToolsChosen;
        default:
            return ResultMenuOutcome::Done;
    }
}
