// Where a dialog opens: centred, when its template leaves the position to the program.
#pragma once

#include <windows.h>

namespace fw {

// True when the dialog template (extended or classic) gives the position (0, 0) and none of
// DS_CENTER, DS_CENTERMOUSE and DS_ABSALIGN.
bool TemplateAsksCentring(HINSTANCE instance, UINT templateId);

// Centres the window over its owner; over the work area of its monitor when it has no visible,
// non-minimised owner. Keeps the window inside that work area.
void CentreWindow(HWND hWnd);

}  // namespace fw
