#include "calendar/LegalDeadline.h"

#include <utility>

std::optional<CivilDate> PeriodLastDay(CivilDate base, std::int64_t amount, PeriodUnit unit,
                                       bool includeStart) {
    if (!IsValidDate(base) || amount < 0) return std::nullopt;
    if (amount == 0) return base;
    std::optional<CivilDate> start = base;
    if (!includeStart) start = DateOfDayNumber(DayNumber(base) + 1);
    if (!start) return std::nullopt;
    // From the start day, the period holds both ends: ShiftDate's count with the start day.
    return ShiftDate(*start, amount, unit, Direction::After, true);
}

std::optional<LegalDeadline> LegalDeadlineOf(const HolidayCalendar& calendar, CivilDate base,
                                             std::int64_t amount, PeriodUnit unit,
                                             Direction direction, bool includeStart) {
    if (direction == Direction::After) {
        const std::optional<CivilDate> last = PeriodLastDay(base, amount, unit, includeStart);
        if (!last) return std::nullopt;
        std::optional<DeadlineDay> moved = NextWorkingDayFrom(calendar, *last);
        if (!moved) return std::nullopt;
        return LegalDeadline{moved->date, std::move(moved->passed), std::nullopt,
                             moved->outsideCoverage};
    }
    const std::optional<CivilDate> counted =
        ShiftDate(base, amount, unit, Direction::Before, includeStart);
    if (!counted) return std::nullopt;
    LegalDeadline deadline{*counted, {}, std::nullopt, !IsCoveredYear(counted->year)};
    if (!calendar.IsWorkingDay(*counted)) {
        deadline.workingDayBefore = PreviousWorkingDayBefore(calendar, *counted);
        if (deadline.workingDayBefore && !IsCoveredYear(deadline.workingDayBefore->year)) {
            deadline.outsideCoverage = true;
        }
    }
    return deadline;
}
