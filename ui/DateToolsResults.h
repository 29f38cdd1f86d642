// The result texts of the date tools' three pages, one line per fact, lines joined by CRLF
// (as a multi-line static shows them and as the clipboard takes them).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/DateMath.h"

struct ToolResult {
    std::string text;
    // What the copy command puts on the clipboard; nothing for a message.
    std::optional<std::string> copy;
};

// The day count, years/months/days, weeks/days and both weekdays; the dates in either order.
ToolResult PeriodResult(CivilDate start, CivilDate end, bool includeStart);
// The shifted date with its weekday and its distance from the base; copies it as ISO 8601.
ToolResult ShiftResult(CivilDate base, std::int64_t amount, PeriodUnit unit, Direction direction,
                       bool includeStart);
// 만 나이, 연 나이, 세는 나이 and the day the person becomes a year older.
ToolResult AgeResult(CivilDate birth, CivilDate on);
