// The 기념일 page's result and its calendar file: the D-day line, one line per anniversary, and
// what "달력 파일로 저장" writes. Texts are CP949 bytes; platform-free.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/DateMath.h"
#include "calendar/Holidays.h"
#include "calendar/ICalendar.h"
#include "ui/tools/DateToolsForm.h"
#include "ui/tools/DateToolsResults.h"

struct AnniversaryInputs {
    CivilDate base;
    bool includeStart;  // 시작일 포함: the base is day 1
    bool lunarYearly;   // 음력으로 해마다: the 주년 by the base's lunar date
};

// "오늘은 100일째 (D+100)" for a base today or past, "D-12 (2026년 12월 21일 월요일)" for one
// ahead; then "100일\t2026년 6월 8일 월요일 (현충일)\tD-12" a line, the next one to come selected.
// With lunarYearly, a base outside the lunar table gives a message naming the table's range.
ToolResult AnniversaryResult(const HolidayCalendar& calendar, const AnniversaryInputs& inputs,
                             CivilDate today);

// What the save writes: the default file name and one event per line of the list, its title in
// CP949 (the window converts it to UTF-8). Nothing when the list is empty or out of range.
struct AnniversaryFile {
    std::string fileName;
    std::vector<AllDayEvent> events;
};
std::optional<AnniversaryFile> AnniversaryFileOf(const AnniversaryInputs& inputs);
// The same for the page's inputs as they stand; nothing while the base date is incomplete.
std::optional<AnniversaryFile> AnniversaryFileToSave(DateToolsForm& window);

// The Save As dialog's filter name, and the message when the file cannot be written.
extern const char kCalendarFileFilterName[];
extern const char kCalendarFileNotSaved[];
