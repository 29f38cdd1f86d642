// The user's own holiday file (공휴일.txt): one change a line.
//   2026-10-02 임시공휴일      adds a holiday (a 임시공휴일) with that name
//   -2026-10-02                removes every holiday the rules give on that date
//   # ...                      a comment, from # to the end of the line
// Blank lines, spaces around the parts and CR LF line ends are all fine. A line that says
// anything else is bad: it is reported by number and changes nothing.
//
// The file may be in any encoding Notepad writes: UTF-8 with or without a byte order mark,
// UTF-16 with one ("Unicode", little- or big-endian), or CP949 ("ANSI" on Korean Windows: a file
// with no byte order mark that is not well-formed UTF-8 as a whole).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/DateMath.h"
#include "calendar/Holidays.h"

struct UserHolidayAddition {
    CivilDate date;
    std::string name;  // as written: UTF-8 when namesAreUtf8, CP949 otherwise (checked either way)
};

struct UserHolidayChanges {
    std::vector<UserHolidayAddition> additions;
    std::vector<CivilDate> removals;
    std::vector<int> badLines;  // 1-based line numbers, ascending
    // The file was UTF-8 or UTF-16: the names are UTF-8 and the caller converts them to CP949,
    // the calendar's encoding, with the platform's code-page tables.
    bool namesAreUtf8 = false;
};

UserHolidayChanges ParseUserHolidayFile(std::string_view fileBytes);

// Hands the changes to the calendar, names already CP949: every removal, then every addition.
void ApplyUserHolidays(HolidayCalendar& calendar, const UserHolidayChanges& changes);
