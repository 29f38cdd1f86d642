// The last day of a period as 민법 computes it (제157조, 제160조) and the deadline 제161조 makes
// of it. Used by the date tools' deadline mode.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calendar/DateMath.h"
#include "calendar/Holidays.h"
#include "calendar/WorkingDays.h"

// The last day of a period of `amount` units that follows the base date. The count starts on
// the day after the base (제157조), or on the base itself with includeStart (제157조 단서: a
// period that begins at midnight). Days and weeks end amount (7 x amount) days after the day
// before the start; months and years run by the calendar (제160조 ①) and end on the day before
// the start's day number in the last month (②), or on that month's last day when it lacks the
// day (③). A count that starts on the 1st therefore ends on the last day of a month: 2026-02-28
// + 1개월 ends on 2026-03-31. An amount of 0 gives the base. Nothing outside years 1..9999.
std::optional<CivilDate> PeriodLastDay(CivilDate base, std::int64_t amount, PeriodUnit unit,
                                       bool includeStart);

struct LegalDeadline {
    CivilDate date;  // the deadline; for a count backwards, the day counted back to
    // Forwards: the Saturdays, Sundays and holidays the last day moved over (제161조).
    std::vector<PassedDay> passed;
    // Backwards, when the day counted back to is not a working day: the working day before it.
    // 제161조 extends a period that runs forwards; a count back from an event is never moved
    // later, so the act falls due on that earlier working day at the latest.
    std::optional<CivilDate> workingDayBefore;
    bool outsideCoverage;  // a day looked at lies outside the calendar's years
};

// After: the period's last day, moved by 제161조 to the next working day when it is a Saturday
// or a holiday. Before: the day counted back (as ShiftDate counts it), never moved, with the
// working day before it when it is a day off. Nothing outside years 1..9999.
std::optional<LegalDeadline> LegalDeadlineOf(const HolidayCalendar& calendar, CivilDate base,
                                             std::int64_t amount, PeriodUnit unit,
                                             Direction direction, bool includeStart);
