// The result texts of the date tools' four pages, one line per fact, lines joined by CRLF
// (as a multi-line static shows them and as the clipboard takes them). A date that is a holiday
// is marked with it: "2026년 10월 5일 월요일 (대체공휴일)".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/DateMath.h"
#include "calendar/Holidays.h"
#include "ui/tools/DateToolsForm.h"

// The unit list's items; the first four are PeriodUnit's.
enum class ShiftUnit { Days, Weeks, Months, Years, WorkingDays };
constexpr int kShiftUnitCount = 5;

struct ShiftOptions {
    bool includeStart;
    // The 민법 deadline of a period of 일, 주, 개월 or 년: forwards, the period's last day by
    // 제157조 and 제160조, moved off a Saturday, Sunday or holiday by 제161조; backwards, the day
    // counted back, never moved later, with the working day before it when it is a day off. A
    // 근무일 result is a working day already.
    bool toWorkingDay;
};

struct ToolResult {
    std::string text;
    // What the copy command puts on the clipboard; nothing for a message.
    std::optional<std::string> copy;
    // On a page that shows its result in a list, the line to select and scroll into view.
    std::optional<int> selectedLine = std::nullopt;
};

// The day count, years/months/days, weeks/days, weekdays (평일), working days (근무일) and both
// dates; the dates in either order. The copy also lists the holidays on the counted days.
ToolResult PeriodResult(const HolidayCalendar& calendar, CivilDate start, CivilDate end,
                        bool includeStart);
// The shifted date with its weekday, why it moved to a working day if it did, and its distance
// from the base; copies it as ISO 8601.
ToolResult ShiftResult(const HolidayCalendar& calendar, CivilDate base, std::int64_t amount,
                       ShiftUnit unit, Direction direction, ShiftOptions options);
// 만 나이, 연 나이, 세는 나이 and the day the person becomes a year older.
ToolResult AgeResult(const HolidayCalendar& calendar, CivilDate birth, CivilDate on);
// The year's holidays in date order, one a line: "2026년 3월 2일 월요일 대체공휴일(삼일절)"; for a
// year the calendar does not know, a message and the user's own holidays of that year.
ToolResult HolidayListResult(const HolidayCalendar& calendar, int year);

// " (개천절)": the holidays of a date in brackets, the name of a 공휴일, the kind of the others
// ("대체공휴일", "선거일", "임시공휴일"); empty on other days.
std::string HolidayMark(const HolidayCalendar& calendar, CivilDate date);
// The date with its weekday and its holiday mark: "2026년 10월 5일 월요일 (대체공휴일)".
std::string MarkedDate(const HolidayCalendar& calendar, CivilDate date);

// "공휴일.txt 3번째 줄을 읽지 못했습니다", one line per bad line of the user's file; past the
// first five, one line says how many more there are. Empty when there are none.
std::string BadLineReport(const std::vector<int>& lineNumbers);
