#include "calendar/DateMath.h"

#include <utility>

#include "calendar/Data_Day.h"

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr int kMonthsPerYear = 12;

// Days of a 400-year Gregorian cycle, of a common year, and of 9999-12-31's day number + 1.
constexpr std::int64_t kDaysPer400Years = 146097;
constexpr std::int64_t kDaysPerCommonYear = 365;
constexpr std::int64_t kDaysThrough9999 = 3652059;

// Days of the year before the first of the month, in a common year (index 1..12).
constexpr int kDaysBeforeMonth[] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Leap years among 1..year (year >= 0).
std::int64_t LeapYearsThrough(std::int64_t year) {
    return year / 4 - year / 100 + year / 400;
}

// Month shifts reach at most this far; a shift by more leaves years 1..9999 whatever the base.
constexpr std::int64_t kMonthsInRange = std::int64_t{10000} * kMonthsPerYear;

// A month counted from January of year 0 (month index 0), so that a shift is one addition. The
// shifts work in years 0..10000: the rules that add or remove a day afterwards can bring a date
// in the month before year 1 or after 9999 back into range.
struct MonthIndex {
    std::int64_t value;
    int Year() const { return static_cast<int>(value / kMonthsPerYear); }
    int Month() const { return static_cast<int>(value % kMonthsPerYear) + 1; }
};

MonthIndex MonthOf(CivilDate date) {
    return {std::int64_t{date.year} * kMonthsPerYear + date.month - 1};
}

// Day number of a day of a month of years 0..10000 (day 1..31, not checked against the month):
// counted 400 years later, where the closed form holds, and moved back one whole cycle.
std::int64_t DayNumberIn(MonthIndex month, int day) {
    const std::int64_t shiftedYears = month.Year() + 400 - 1;
    const bool leapDayPassed = month.Month() > 2 && IsLeapYear(month.Year());
    return shiftedYears * kDaysPerCommonYear + LeapYearsThrough(shiftedYears) +
           kDaysBeforeMonth[month.Month()] + (leapDayPassed ? 1 : 0) + day - 1 - kDaysPer400Years;
}

int DaysIn(MonthIndex month) {
    return DaysInMonth(month.Year(), month.Month());
}

// The day of the base date in the target month, a day the month lacks becoming its last day.
std::int64_t ClampedDay(MonthIndex target, int day) {
    return DayNumberIn(target, day < DaysIn(target) ? day : DaysIn(target));
}

// The last day of the period of `months` months that starts on `from` and holds both ends: the
// day before the same-numbered day of the target month, or that month's last day when it lacks
// the day (its next period starts on the 1st of the month after).
std::int64_t LastDayOfMonths(CivilDate from, std::int64_t months) {
    const MonthIndex target{MonthOf(from).value + months};
    if (from.day > DaysIn(target)) return DayNumberIn(target, DaysIn(target));
    return DayNumberIn(target, from.day) - 1;
}

// Moves by months. Before mirrors After: without the start day the base date moves back and a
// day the target month lacks becomes its last day (31 March - 1 month = 28 February), which is
// how a period counted back from a date ends; it is not always the inverse of After (28
// February + 1 month is 28 March), since no date lies one month before 29..31 March by that
// rule. With the start day the result is the first day of the period ending on the base date,
// the day after that clamped date (31 March, 1 month including both ends: from 1 March).
std::optional<CivilDate> ShiftMonths(CivilDate base, std::int64_t months, Direction direction,
                                     bool includeStart) {
    if (months > kMonthsInRange) return std::nullopt;
    const std::int64_t signedMonths = direction == Direction::After ? months : -months;
    const MonthIndex target{MonthOf(base).value + signedMonths};
    if (target.value < 0 || target.value >= std::int64_t{kLastYear + 2} * kMonthsPerYear) {
        return std::nullopt;
    }
    if (!includeStart) return DateOfDayNumber(ClampedDay(target, base.day));
    if (direction == Direction::After) return DateOfDayNumber(LastDayOfMonths(base, months));
    return DateOfDayNumber(ClampedDay(target, base.day) + 1);
}

// Moves by days; with the start day the base date is day 1 of the period (N days after: base +
// N - 1; before: base - N + 1).
std::optional<CivilDate> ShiftDays(CivilDate base, std::int64_t days, Direction direction,
                                   bool includeStart) {
    if (days > kDaysThrough9999) return std::nullopt;
    const std::int64_t move = includeStart ? days - 1 : days;
    return DateOfDayNumber(DayNumber(base) + (direction == Direction::After ? move : -move));
}

}  // namespace

bool IsValidDate(CivilDate date) {
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 &&
           date.month <= kMonthsPerYear && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

int DaysInMonth(int year, int month) {
    constexpr int kLengths[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > kMonthsPerYear) return 0;  // no such month, no days
    return kLengths[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

std::int64_t DayNumber(CivilDate date) {
    const std::int64_t yearsBefore = date.year - 1;
    const bool leapDayPassed = date.month > 2 && IsLeapYear(date.year);
    return yearsBefore * kDaysPerCommonYear + LeapYearsThrough(yearsBefore) +
           kDaysBeforeMonth[date.month] + (leapDayPassed ? 1 : 0) + date.day - 1;
}

std::optional<CivilDate> DateOfDayNumber(std::int64_t dayNumber) {
    if (dayNumber < 0 || dayNumber >= kDaysThrough9999) return std::nullopt;
    // Whole 400-year cycles first, then the year within the cycle estimated from its common
    // length and corrected by at most one step.
    const std::int64_t cycles = dayNumber / kDaysPer400Years;
    std::int64_t rest = dayNumber % kDaysPer400Years;
    std::int64_t yearInCycle = rest / kDaysPerCommonYear;
    auto daysBeforeYear = [](std::int64_t years) {
        return years * kDaysPerCommonYear + LeapYearsThrough(years);
    };
    while (daysBeforeYear(yearInCycle) > rest) --yearInCycle;
    rest -= daysBeforeYear(yearInCycle);
    const int year = static_cast<int>(cycles * 400 + yearInCycle + 1);
    int month = 1;
    while (month < kMonthsPerYear &&
           rest >= kDaysBeforeMonth[month + 1] + (month + 1 > 2 && IsLeapYear(year) ? 1 : 0)) {
        ++month;
    }
    const int dayOfYear = static_cast<int>(rest);
    const int day =
        dayOfYear - kDaysBeforeMonth[month] - (month > 2 && IsLeapYear(year) ? 1 : 0) + 1;
    return CivilDate{year, month, day};
}

int Weekday(CivilDate date) {
    // 0001-01-01 was a Monday in the proleptic Gregorian calendar.
    return static_cast<int>((DayNumber(date) + 1) % 7);
}

bool IsWeekend(CivilDate date) {
    const int weekday = Weekday(date);
    return weekday == kSunday || weekday == kSaturday;
}

int DayOfYear(CivilDate date) {
    return static_cast<int>(DayNumber(date) - DayNumber({date.year, 1, 1})) + 1;
}

namespace {

// The Thursday of the date's week (Monday to Sunday).
CivilDate ThursdayOfWeek(CivilDate date) {
    const int daysAfterMonday = (Weekday(date) + 6) % 7;
    return *DateOfDayNumber(DayNumber(date) - daysAfterMonday + 3);
}

}  // namespace

IsoWeek IsoWeekOf(CivilDate date) {
    const CivilDate thursday = ThursdayOfWeek(date);
    return {thursday.year, (DayOfYear(thursday) - 1) / 7 + 1};
}

MonthWeek MonthWeekOf(CivilDate date) {
    const CivilDate thursday = ThursdayOfWeek(date);
    return {thursday.year, thursday.month, (thursday.day - 1) / 7 + 1};
}

// An amount of 0 gives the base date in every mode: a period of no length neither moves the date
// nor has a last day, and the day before (or after) would read as an answer to the other
// direction.
std::optional<CivilDate> ShiftDate(CivilDate base, std::int64_t amount, PeriodUnit unit,
                                   Direction direction, bool includeStart) {
    if (!IsValidDate(base) || amount < 0) return std::nullopt;
    if (amount == 0) return base;
    switch (unit) {
        case PeriodUnit::Days:
            return ShiftDays(base, amount, direction, includeStart);
        case PeriodUnit::Weeks:
            if (amount > kDaysThrough9999 / 7 + 1) return std::nullopt;
            return ShiftDays(base, amount * 7, direction, includeStart);
        case PeriodUnit::Months:
            return ShiftMonths(base, amount, direction, includeStart);
        case PeriodUnit::Years:
            if (amount > kMonthsInRange / kMonthsPerYear) return std::nullopt;
            return ShiftMonths(base, amount * kMonthsPerYear, direction, includeStart);
    }
    return std::nullopt;
}

// Whole months first, then the days left after the last whole month ends. Without the start day
// a month has passed when the date moved by it (clamped) is reached; with it, when the last day
// of the period of that many months has passed. Both grow with the months, so the count is
// found from the calendar difference by a step or two either way.
YearsMonthsDays BreakDownPeriod(CivilDate from, CivilDate to, bool includeStart) {
    if (!IsValidDate(from) || !IsValidDate(to)) return {0, 0, 0};
    if (DayNumber(to) < DayNumber(from)) std::swap(from, to);
    const std::int64_t toDay = DayNumber(to);
    // The day from which the days left are counted once `months` whole months have passed.
    auto monthsEnd = [&](std::int64_t months) {
        const MonthIndex target{MonthOf(from).value + months};
        return includeStart ? LastDayOfMonths(from, months) : ClampedDay(target, from.day);
    };
    std::int64_t months = MonthOf(to).value - MonthOf(from).value;
    while (months > 0 && monthsEnd(months) > toDay) --months;
    while (monthsEnd(months + 1) <= toDay) ++months;
    const std::int64_t daysLeft = toDay - monthsEnd(months);
    return {static_cast<int>(months / kMonthsPerYear), static_cast<int>(months % kMonthsPerYear),
            static_cast<int>(daysLeft)};
}

// A person is a month (a year) older on the day after the last day of the period of that many
// months that starts on the birth day: the birthday itself, or the 1st of the next month when
// the month lacks the birth day (born 29 February: 1 March of a common year).
std::optional<Age> AgeOn(CivilDate birth, CivilDate on) {
    if (!IsValidDate(birth) || !IsValidDate(on)) return std::nullopt;
    const std::int64_t onDay = DayNumber(on);
    if (onDay < DayNumber(birth)) return std::nullopt;
    auto olderOn = [&](std::int64_t months) { return LastDayOfMonths(birth, months) + 1; };
    std::int64_t months = MonthOf(on).value - MonthOf(birth).value;
    while (months > 0 && olderOn(months) > onDay) --months;
    while (olderOn(months + 1) <= onDay) ++months;
    const int years = static_cast<int>(months / kMonthsPerYear);
    const std::int64_t nextDay = olderOn(std::int64_t{years + 1} * kMonthsPerYear);
    const std::optional<CivilDate> next = DateOfDayNumber(nextDay);
    if (!next) return std::nullopt;
    return Age{years, static_cast<int>(months % kMonthsPerYear), *next, nextDay - onDay};
}
