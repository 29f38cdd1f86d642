// The answers of the 음력 page and the lunar lines of the 만 나이 page, as CP949 texts.
#pragma once

#include <optional>
#include <string>

#include "calendar/Holidays.h"
#include "calendar/KoreanLunarCalendar.h"
#include "ui/entry/DateEntry.h"
#include "ui/tools/DateToolsResults.h"

// The solar date of a lunar date, or the message that says what is missing: the month's last day
// ("음력 2026년 2월은 29일까지입니다."), the leap month ("2026년에는 윤3월이 없습니다."), or the
// covered range. Never a neighbouring date.
struct LunarConversion {
    std::optional<CivilDate> solar;
    std::string message;
};
LunarConversion ConvertLunarDate(LunarDate lunar);

// The 음력 page. For the solar date (when complete): its lunar date, the lunar year's 간지 and 띠,
// the day's 일진, its ISO week and 월 주차, its day of the year and its holiday. For the lunar date
// (when given): its solar date, and its solar dates in the lunar years firstYear to
// firstYear + 9 by custom (LunarAnniversary), each with its weekday and holiday mark and, where
// custom moved it, the lunar day it is kept on. The copy gives the solar dates as ISO dates.
// Nothing while neither date is complete.
std::optional<ToolResult> LunarPageResult(const HolidayCalendar& calendar, const DateReading& solar,
                                          const std::optional<LunarDate>& lunar, int firstYear);

// "띠: 말띠 (경오년)" by the lunar year of a solar birth date; empty outside the lunar range.
std::string ZodiacLine(CivilDate solarBirth);
// For a lunar birth date: the solar birth date it stands for and the lunar birthday's solar date
// in the lunar year `year`.
std::string LunarBirthdayLines(const HolidayCalendar& calendar, LunarDate birth,
                               CivilDate solarBirth, int year);
