// Texts of the date form's commands and fields, as CP949 bytes.
#pragma once

#include "calendar/Data_Day.h"

extern const char kInstructionLine[];
extern const char kExitQuestion[];
extern const char kExitCaption[];
extern const char kTodayLineFormat[];
// The one item of the result line's context menu.
extern const char kCopyResultItem[];

// The name a screen reader announces for the date field.
const char* AccessibleName(FieldId field);
