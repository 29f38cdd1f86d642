// Keeping the input method out of number fields.
#pragma once

#include <windows.h>

namespace fw {

// Detaches the input method from the control (for a combo box, also from its edit part), so
// that keys reach it as plain characters: a Korean IME would otherwise build a syllable inside
// the field, raising change notifications for each unfinished stage of it.
void DisableInputMethod(HWND control);

}  // namespace fw
