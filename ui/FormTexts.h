// Texts of the date form's commands, as CP949 bytes.
#pragma once

extern const char kInstructionLine[];
extern const char kExitQuestion[];
extern const char kExitCaption[];
extern const char kTodayLineFormat[];
