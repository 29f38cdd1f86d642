// Civil-date arithmetic of the date tools: day numbers, weekdays, moving a date by a period,
// breaking a period into years, months and days, and age. Proleptic Gregorian, years 1..9999;
// pure functions, no window, no state.
#pragma once

#include <cstdint>
#include <optional>

struct CivilDate {
    int year;
    int month;
    int day;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
    // Date order (for valid dates, as their day numbers).
    friend bool operator<(const CivilDate& a, const CivilDate& b) {
        if (a.year != b.year) return a.year < b.year;
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    }
};

// Whether the date exists in years 1..9999 (no 2025-02-29, no 0-01-01).
bool IsValidDate(CivilDate date);
// Days of the month in that year (29 in a leap February); month 1..12.
int DaysInMonth(int year, int month);

// Days since 0001-01-01 (which is day 0); the date must be valid.
std::int64_t DayNumber(CivilDate date);
// The date of a day number; nothing outside 0001-01-01 .. 9999-12-31.
std::optional<CivilDate> DateOfDayNumber(std::int64_t dayNumber);
// 0 = Sunday .. 6 = Saturday.
int Weekday(CivilDate date);
constexpr int kSunday = 0;
constexpr int kSaturday = 6;
// A Saturday or a Sunday.
bool IsWeekend(CivilDate date);
// 1 (1 January) .. 366; the date must be valid.
int DayOfYear(CivilDate date);

// Weeks run Monday to Sunday and belong to the year and the month that hold their Thursday
// (ISO 8601): 2026-12-31 lies in 2026-W53, 2027-01-01 too, and 2026-11-30 in 12월 1주차. The
// date must be valid.
struct IsoWeek {
    int year;
    int week;  // 1..53
    friend bool operator==(const IsoWeek&, const IsoWeek&) = default;
};
IsoWeek IsoWeekOf(CivilDate date);
// The week of the month (월 주차) by the same rule: the month holding the week's Thursday, and
// the week's number in it (1..5), its first week being the one with the month's first Thursday.
struct MonthWeek {
    int year;
    int month;
    int week;
    friend bool operator==(const MonthWeek&, const MonthWeek&) = default;
};
MonthWeek MonthWeekOf(CivilDate date);

enum class PeriodUnit { Days, Weeks, Months, Years };
enum class Direction { After, Before };

// The base date moved by amount units (amount >= 0, any size; no intermediate overflow).
// Without includeStart: days and weeks move by N and 7N days; months and years by N and 12N
// months, a day the target month lacks becoming its last day (31 Jan + 1 month = 28 Feb).
// With includeStart, After: the last day of the period that starts on the base date (days:
// base + N - 1; months: the day before the same-numbered day of the target month, or the
// target month's last day when it lacks that day). Before mirrors it: the first day of the
// period that ends on the base date. Nothing when the result lies outside years 1..9999. An
// amount of 0 gives the base date in every mode; a negative amount or a base date that does not
// exist gives nothing.
std::optional<CivilDate> ShiftDate(CivilDate base, std::int64_t amount, PeriodUnit unit,
                                   Direction direction, bool includeStart);

struct YearsMonthsDays {
    int years;
    int months;
    int days;
    friend bool operator==(const YearsMonthsDays&, const YearsMonthsDays&) = default;
};

// The period from `from` to `to` (from <= to) as whole months counted from `from`, then the
// days left. Without includeStart the start day is not counted (one month after 31 January
// has passed on 28 February); with it the period holds both days (7 March .. 25 December 2009
// is 0 years 9 months 19 days; 31 January .. 28 February is one month). Dates in the other
// order are taken the other way round; a date that does not exist gives 0 0 0.
YearsMonthsDays BreakDownPeriod(CivilDate from, CivilDate to, bool includeStart);

struct Age {
    int years;               // 만 나이
    int monthsPastBirthday;  // whole months since the last birthday
    CivilDate nextBirthday;  // the next day the person becomes a year older
    std::int64_t daysUntilNextBirthday;
    friend bool operator==(const Age&, const Age&) = default;
};

// Age on a date by counting the birth day (a year is complete at the end of the day before the
// birthday; born 29 February, a year older on 1 March of a common year). Nothing when `on`
// lies before `birth`, or when the next birthday lies past 9999-12-31.
std::optional<Age> AgeOn(CivilDate birth, CivilDate on);
