#include "calendar/WorkingDays.h"

#include <algorithm>

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kWeekdaysPerWeek = 5;
constexpr CivilDate kFirstDate = {1, 1, 1};
constexpr CivilDate kLastDate = {9999, 12, 31};

CivilDate DateOf(std::int64_t day) {
    return *DateOfDayNumber(day);
}

// Monday to Friday days among day numbers 0 .. end-1 (end >= 0).
std::int64_t WeekdaysBefore(std::int64_t end) {
    std::int64_t count = end / kDaysPerWeek * kWeekdaysPerWeek;
    for (std::int64_t day = end - end % kDaysPerWeek; day < end; ++day) {
        count += IsWeekend(DateOf(day)) ? 0 : 1;
    }
    return count;
}

std::int64_t Weekdays(std::int64_t first, std::int64_t last) {
    return last < first ? 0 : WeekdaysBefore(last + 1) - WeekdaysBefore(first);
}

std::int64_t WorkingDays(const HolidayCalendar& calendar, std::int64_t first, std::int64_t last) {
    return Weekdays(first, last) - calendar.WeekdayHolidayDates(first, last);
}

bool OutsideCoverage(std::int64_t first, std::int64_t last) {
    return last >= first &&
           (!IsCoveredYear(DateOf(first).year) || !IsCoveredYear(DateOf(last).year));
}

}  // namespace

PeriodWorkCount CountWorkingDays(const HolidayCalendar& calendar, CivilDate from, CivilDate to,
                                 bool includeStart) {
    const std::int64_t first = DayNumber(from) + (includeStart ? 0 : 1);
    const std::int64_t last = DayNumber(to);
    PeriodWorkCount count{std::max<std::int64_t>(0, last - first + 1),
                          Weekdays(first, last),
                          WorkingDays(calendar, first, last),
                          {},
                          OutsideCoverage(first, last)};
    if (first <= last) {
        count.holidays = calendar.HolidaysBetween(DateOf(first), to);
    }
    return count;
}

std::optional<WorkingDayResult> ShiftWorkingDays(const HolidayCalendar& calendar, CivilDate base,
                                                 std::int64_t amount, Direction direction,
                                                 bool includeStart) {
    const std::int64_t baseDay = DayNumber(base);
    std::int64_t needed = amount;
    if (amount > 0 && includeStart && calendar.IsWorkingDay(base)) {
        --needed;
    }
    if (needed <= 0) {
        return WorkingDayResult{base, OutsideCoverage(baseDay, baseDay)};
    }
    const bool after = direction == Direction::After;
    // The working days from the day next to the base out to a day grow with its distance; the
    // search finds the nearest day where they reach the amount.
    auto reached = [&](std::int64_t day) {
        return (after ? WorkingDays(calendar, baseDay + 1, day)
                      : WorkingDays(calendar, day, baseDay - 1)) >= needed;
    };
    std::int64_t near = after ? baseDay + 1 : baseDay - 1;
    std::int64_t far = after ? DayNumber(kLastDate) : DayNumber(kFirstDate);
    if ((after ? near > far : near < far) || !reached(far)) {
        return std::nullopt;
    }
    while (near != far) {
        const std::int64_t middle = after ? near + (far - near) / 2 : near - (near - far) / 2;
        if (reached(middle)) {
            far = middle;
        } else {
            near = after ? middle + 1 : middle - 1;
        }
    }
    return WorkingDayResult{DateOf(far),
                            after ? OutsideCoverage(baseDay, far) : OutsideCoverage(far, baseDay)};
}

std::optional<DeadlineDay> NextWorkingDayFrom(const HolidayCalendar& calendar, CivilDate date) {
    const std::int64_t start = DayNumber(date);
    DeadlineDay result{date, {}, false};
    for (std::int64_t day = start; day <= DayNumber(kLastDate); ++day) {
        const CivilDate current = DateOf(day);
        if (calendar.IsWorkingDay(current)) {
            result.date = current;
            result.outsideCoverage = OutsideCoverage(start, day);
            return result;
        }
        result.passed.push_back({current, calendar.HolidaysOn(current)});
    }
    return std::nullopt;
}

std::optional<CivilDate> PreviousWorkingDayBefore(const HolidayCalendar& calendar, CivilDate date) {
    for (std::int64_t day = DayNumber(date) - 1; day >= 0; --day) {
        if (calendar.IsWorkingDay(DateOf(day))) return DateOf(day);
    }
    return std::nullopt;
}
