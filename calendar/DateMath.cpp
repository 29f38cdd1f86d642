#include "calendar/DateMath.h"

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

}  // namespace

bool IsValidDate(CivilDate date) {
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 &&
           date.month <= kMonthsPerYear && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

int DaysInMonth(int year, int month) {
    constexpr int kLengths[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
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
