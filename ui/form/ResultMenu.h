// The result line's context menu: copies the day count to the clipboard as plain digits,
// greyed while the line shows no count, and opens the date tools. It opens for a right-click
// on the line, and for the context-menu key or Shift+F10 while one of the form's buttons has
// the focus; the edit fields and boxes keep their own menus.
#pragma once

#include <windows.h>

#include <optional>

enum class ResultMenuOutcome {
    NotForTheMenu,    // the request is for something else: give it the default processing
    Done,             // shown, and the count copied if that was chosen
    DateToolsChosen,  // shown, and the date tools chosen
};

// Answers a WM_CONTEXTMENU of the date form (clicked and where: its wParam and lParam).
ResultMenuOutcome ShowResultMenu(HWND form, HWND clicked, LPARAM where);

// Where a window's result menu opens for a WM_CONTEXTMENU: the point of a right-click on the
// result area (a static control without notifications, whose clicks reach the window), or the
// area's middle for the keyboard's request while a button of the window has the focus.
// Nothing when the request is for something else.
std::optional<POINT> ResultMenuPoint(HWND window, HWND resultArea, HWND clicked, LPARAM where);
