#include "tests/oracle/DateSpanOracle.h"

#include <chrono>

#include "tests/unit/Cp949.h"

namespace {

using namespace std::chrono;

enum Message { YearRange, MonthRange, DayRange, EndYearFirst, EndMonthFirst, EndDayFirst, Equal };

// Converted once: iconv is far slower than the code under test.
const std::string& Text(Message message) {
    static const std::string texts[] = {
        Cp949("년도의 범위가 벗어났습니다. 다시 입력해 주세요."),
        Cp949("월의 범위가 벗어났습니다. 다시 입력해 주세요."),
        Cp949("일의 범위가 벗어났습니다. 다시 입력해 주세요."),
        Cp949("종료 년도가 시작 년도보다 이전입니다. 다시 입력해 주세요."),
        Cp949("종료 월이 시작 월보다 이전입니다. 다시 입력해 주세요."),
        Cp949("종료 일이 시작 일보다 이전입니다. 다시 입력해 주세요."),
        Cp949("시작 일과 종료일이 같습니다. 다시 입력해 주세요."),
    };
    return texts[message];
}

std::string Sentence(int days) {
    static const std::string before = Cp949("두 날짜 사이의 총 일수는 ");
    static const std::string after = Cp949("일입니다.");
    return before + std::to_string(days) + after;
}

CalcOutcome Error(Message message, std::optional<FieldId> focus = std::nullopt) {
    return {false, 0, Text(message), focus};
}

bool Within(int value, int low, int high) {
    return low <= value && value <= high;
}

year_month_day Date(int y, int m, int d) {
    return year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)};
}

}  // namespace

CalcOutcome ExpectedDateSpan(int startYear, int startMonth, int startDay, int endYear, int endMonth,
                             int endDay) {
    if (!Within(startYear, 1, 9999) || !Within(endYear, 1, 9999)) return Error(YearRange);
    if (!Within(startMonth, 1, 12) || !Within(endMonth, 1, 12)) return Error(MonthRange);
    if (!Within(startDay, 1, 31) || !Within(endDay, 1, 31)) return Error(DayRange);

    const year_month_day start = Date(startYear, startMonth, startDay);
    const year_month_day end = Date(endYear, endMonth, endDay);
    if (!start.ok() || !end.ok()) return Error(DayRange);
    if (start == end) return Error(Equal, FieldId::EndDay);
    if (end < start) {
        // The first field, from the year down, in which the end lies before the start.
        if (end.year() != start.year()) return Error(EndYearFirst, FieldId::EndYear);
        if (end.month() != start.month()) return Error(EndMonthFirst, FieldId::EndMonth);
        return Error(EndDayFirst, FieldId::EndDay);
    }
    const int days = static_cast<int>((sys_days{end} - sys_days{start}).count());
    return {true, days, Sentence(days), std::nullopt};
}
