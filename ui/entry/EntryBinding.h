// The Win32 side of the date entry, the same in both windows.
#pragma once

#include <windows.h>

#include "framework/Controls.h"
#include "ui/entry/DateEntry.h"

// Prepares a date field: no input method (digits are typed), a text limit (kDateFieldTextLimit),
// and a year edit's pastes handed to the window (WatchPaste) when one is given; without one the
// field is a month or day box.
void BindDateField(HWND field, fw::Edit* pastedYear = nullptr);

// Carries out what the entry made of a paste into the edit: nothing more once it filled the
// date, the digits inserted as if typed, the edit's own paste, or the beep of a refusal.
void ApplyPaste(const fw::Edit& edit, const PasteOutcome& outcome);
