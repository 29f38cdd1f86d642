// The user's own holiday file (공휴일.txt, UTF-8): one change a line.
//   2026-10-02 임시공휴일      adds a holiday (a 임시공휴일) with that name
//   -2026-10-02                removes every holiday the rules give on that date
//   # ...                      a comment, from # to the end of the line
// Blank lines, spaces around the parts, CR LF line ends and a byte order mark are all fine. A
// line that says anything else is bad: it is reported by number and changes nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/DateMath.h"
#include "calendar/Holidays.h"

struct UserHolidayAddition {
    CivilDate date;
    std::string nameUtf8;  // as written, UTF-8 (checked to be valid)
};

struct UserHolidayChanges {
    std::vector<UserHolidayAddition> additions;
    std::vector<CivilDate> removals;
    std::vector<int> badLines;  // 1-based line numbers, ascending
};

UserHolidayChanges ParseUserHolidayFile(std::string_view utf8Text);

// Hands the changes to the calendar: every removal, then every addition.
void ApplyUserHolidays(HolidayCalendar& calendar, const UserHolidayChanges& changes);
