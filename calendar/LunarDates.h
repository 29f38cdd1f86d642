// The Gregorian dates of the lunar holidays, from a table the script scripts/lunar-dates.sh
// writes from the Korea Astronomy and Space Science Institute's lunar calendar.
#pragma once

#include <optional>

#include "calendar/DateMath.h"

struct LunarHolidayDates {
    CivilDate seollal;  // 설날, 음력 1월 1일
    CivilDate buddha;   // 부처님오신날, 음력 4월 8일
    CivilDate chuseok;  // 추석, 음력 8월 15일
};

// The dates of one year; nothing outside 1990..2050, the years the table holds.
std::optional<LunarHolidayDates> LunarHolidayDatesOf(int year);
