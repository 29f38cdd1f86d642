// The Korean lunar calendar (음력) of solar 1900-01-31 .. 2050-12-31, from the table
// scripts/lunar-dates.sh writes (LunarYearTable.h), and the 60-cycle names of years and days.
// Pure functions, no window, no state.
#pragma once

#include <optional>
#include <string>

#include "calendar/DateMath.h"

struct LunarDate {
    int year;
    int month;  // 1..12
    int day;    // 1..30
    bool leap;  // a day of the year's leap month (윤달), which follows the month of its number
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The covered range, in both calendars.
inline constexpr CivilDate kLunarRangeFirstSolar{1900, 1, 31};
inline constexpr CivilDate kLunarRangeLastSolar{2050, 12, 31};
inline constexpr LunarDate kLunarRangeFirst{1900, 1, 1, false};
inline constexpr LunarDate kLunarRangeLast{2050, 11, 18, false};

// The lunar date of a solar date; nothing outside the covered range.
std::optional<LunarDate> ToLunar(CivilDate solar);

enum class LunarDateError {
    None,
    OutOfRange,       // outside the covered range (or a month outside 1..12)
    NoSuchDay,        // the month is shorter (a 30th of a 29-day month), or a day outside 1..30
    NoSuchLeapMonth,  // the year has no leap month of that number
};

struct SolarOfLunar {
    LunarDateError error;
    CivilDate solar;  // when error is None
};

// The solar date of a lunar date, or why there is none.
SolarOfLunar ToSolar(LunarDate lunar);

// Days of a lunar month (29 or 30); nothing for a month the year lacks or the range does not
// hold to its end.
std::optional<int> LunarMonthLength(int year, int month, bool leap);
// The year's leap month, 0 when it has none or lies outside the range.
int LeapMonthOf(int lunarYear);

// The solar date on which a lunar date (a 음력 생일, a 기일) is kept in another lunar year, by
// custom: a 30th in a 29-day month on that month's 29th, a day of a leap month in a year without
// that leap month in the regular month of its number. Nothing outside the range.
std::optional<CivilDate> LunarAnniversary(LunarDate date, int lunarYear);

// The 60-cycle (간지) index of a lunar year and of a day (일진), 0 = 갑자 .. 59 = 계해; any year
// or valid date.
int YearCycle(int lunarYear);
int DayCycle(CivilDate solar);
// "갑자" .. "계해" (CP949) for a cycle index 0..59.
std::string CycleName(int cycle);
// The year's animal (띠), "쥐" .. "돼지" (CP949), by the lunar year.
std::string ZodiacAnimal(int lunarYear);
