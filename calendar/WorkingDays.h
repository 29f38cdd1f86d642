// Weekdays (평일) and working days (근무일) of the Korean calendar: counting them over a period,
// the N-th working day from a date, and the next working day a legal deadline moves to (민법
// 제161조). A working day is neither a Saturday, a Sunday nor a holiday of the calendar; where a
// year outside 1990..2050 is touched, only Saturdays and Sundays are left out there and the
// result says so.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calendar/DateMath.h"
#include "calendar/Holidays.h"

struct PeriodWorkCount {
    std::int64_t days;         // the days counted, as the day count counts them
    std::int64_t weekdays;     // of those, Monday to Friday (평일)
    std::int64_t workingDays;  // of those, working days (근무일)
    // The holidays on the counted days in date order, those on a weekend included (the
    // difference weekdays - workingDays is the number of weekday dates among them).
    std::vector<Holiday> holidays;
    bool outsideCoverage;  // a counted day lies in a year outside 1990..2050
};

// The days after `from` up to and including `to` (from <= to); with includeStart `from` too.
PeriodWorkCount CountWorkingDays(const HolidayCalendar& calendar, CivilDate from, CivilDate to,
                                 bool includeStart);

struct WorkingDayResult {
    CivilDate date;
    bool outsideCoverage;  // a day from the base to the result lies outside 1990..2050
};

// The amount-th working day after (or before) the base, the base not counted (as a spreadsheet's
// WORKDAY); with includeStart a base that is a working day counts as the first. Amount >= 0; 0
// gives the base. Nothing when the result would lie outside years 1..9999.
std::optional<WorkingDayResult> ShiftWorkingDays(const HolidayCalendar& calendar, CivilDate base,
                                                 std::int64_t amount, Direction direction,
                                                 bool includeStart);

// A day passed over on the way to the next working day: a Saturday, a Sunday, a holiday, or
// several at once (2026-10-03: a Saturday and 개천절).
struct PassedDay {
    CivilDate date;
    std::vector<Holiday> holidays;  // empty for a plain Saturday or Sunday
};

struct DeadlineDay {
    CivilDate date;                 // the date itself when it is a working day
    std::vector<PassedDay> passed;  // the days it moved over, in order; empty when it did not move
    bool outsideCoverage;
};

// The first working day on or after the date: where 민법 제161조 moves a deadline that ends on a
// Saturday or a public holiday. Nothing past 9999-12-31.
std::optional<DeadlineDay> NextWorkingDayFrom(const HolidayCalendar& calendar, CivilDate date);

// The last working day before the date; nothing before 0001-01-01.
std::optional<CivilDate> PreviousWorkingDayBefore(const HolidayCalendar& calendar, CivilDate date);
