// Digits-only fields and the input method: a half-composed Hangul syllable must never reach
// their typing aids.
#pragma once

#include <windows.h>

namespace fw {

// Switches the input method off for the control; for a combo box also for its edit part.
void DisableInputMethod(HWND control);

}  // namespace fw
