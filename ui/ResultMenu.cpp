#include "ui/ResultMenu.h"

#include <windowsx.h>

#include <optional>
#include <string>

#include "framework/Clipboard.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "res/resource.h"
#include "ui/CountToCopy.h"
#include "ui/FormTexts.h"

namespace {

constexpr UINT kCopyCommand = 1;

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

// The line is a static control without notifications: it lets mouse clicks through to the form
// beneath it, so a right-click on it reaches the form as the form's own, at a point inside the
// line. Fields and boxes answer the request themselves and never pass it on; a button passes
// it on as its own, with a point inside the button.
bool ShowResultMenu(HWND form, HWND clicked, LPARAM where) {
    fw::Window line;
    line.Attach(GetDlgItem(form, IDC_RESULT));
    RECT lineRect{};
    GetWindowRect(line.m_hWnd, &lineRect);
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (IsKeyboardRequest(where)) {
        if (!IsButtonOf(form, GetFocus())) return false;
        at = {(lineRect.left + lineRect.right) / 2, (lineRect.top + lineRect.bottom) / 2};
    } else if ((clicked != form && clicked != line.m_hWnd) || !PtInRect(&lineRect, at)) {
        return false;
    }

    const std::optional<std::string> count = CountToCopy(line.GetText());
    const fw::PopupMenu menu;
    menu.AppendItem(kCopyCommand, kCopyResultItem, count.has_value());
    // A copy that could not be made is said with the warning sound, never passed over.
    if (menu.Track(form, at) == kCopyCommand && count && !fw::PutTextOnClipboard(form, *count))
        MessageBeep(MB_ICONWARNING);
    return true;
}
