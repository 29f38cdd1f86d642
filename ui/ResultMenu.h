// The result line's context menu: one item, which copies the day count to the clipboard as
// plain digits, greyed while the line shows no count. It opens for a right-click on the line,
// and for the context-menu key or Shift+F10 while one of the form's buttons has the focus; the
// edit fields and boxes keep their own menus.
#pragma once

#include <windows.h>

// Answers a WM_CONTEXTMENU of the date form (clicked and where: its wParam and lParam): shows
// the menu when the request is for it and copies the count if the item is chosen. false when
// the request is for something else, which then gets the default processing.
bool ShowResultMenu(HWND form, HWND clicked, LPARAM where);
