// Korean texts of dates and numbers for the date tools, as CP949 bytes.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/DateMath.h"
#include "calendar/KoreanLunarCalendar.h"

// "2009년 3월 7일 토요일".
std::string KoreanDateWithWeekday(CivilDate date);
// "3,652,058": thousands separated by commas, a minus sign before a negative number.
std::string WithThousands(std::int64_t value);
// "2025년 2월 29일은 없는 날짜입니다." for a date that does not exist.
std::string NonexistentDateText(int year, int month, int day);
// ISO 8601 with a four-digit year: "2026-04-10", "0005-01-01".
std::string IsoDate(CivilDate date);
// "수요일".
std::string WeekdayName(CivilDate date);
// "음력 2026년 11월 1일", a leap month's "음력 2025년 윤6월 1일"; without the year "음력 8월 15일".
std::string KoreanLunarDate(LunarDate date, bool withYear = true);
