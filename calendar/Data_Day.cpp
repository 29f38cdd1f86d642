#include "Data_Day.h"

#include <utility>

#include "calendar/DateMath.h"
#include "calendar/IntegerFormat.h"

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr int kMonthsPerYear = 12;
constexpr int kLongestMonth = 31;

// "년도의 범위가 벗어났습니다. 다시 입력해 주세요."
constexpr char kYearOutOfRange[] =
    "\xB3\xE2\xB5\xB5\xC0\xC7 \xB9\xFC\xC0\xA7\xB0\xA1 \xB9\xFE\xBE\xEE\xB3\xB5\xBD\xC0\xB4\xCF"
    "\xB4\xD9. \xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 \xC1\xD6\xBC\xBC\xBF\xE4.";
// "월의 범위가 벗어났습니다. 다시 입력해 주세요."
constexpr char kMonthOutOfRange[] =
    "\xBF\xF9\xC0\xC7 \xB9\xFC\xC0\xA7\xB0\xA1 \xB9\xFE\xBE\xEE\xB3\xB5\xBD\xC0\xB4\xCF\xB4\xD9. "
    "\xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 \xC1\xD6\xBC\xBC\xBF\xE4.";
// "일의 범위가 벗어났습니다. 다시 입력해 주세요."
constexpr char kDayOutOfRange[] =
    "\xC0\xCF\xC0\xC7 \xB9\xFC\xC0\xA7\xB0\xA1 \xB9\xFE\xBE\xEE\xB3\xB5\xBD\xC0\xB4\xCF\xB4\xD9. "
    "\xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 \xC1\xD6\xBC\xBC\xBF\xE4.";
// "종료 년도가 시작 년도보다 이전입니다. 다시 입력해 주세요."
constexpr char kEndYearBeforeStart[] =
    "\xC1\xBE\xB7\xE1 \xB3\xE2\xB5\xB5\xB0\xA1 \xBD\xC3\xC0\xDB \xB3\xE2\xB5\xB5\xBA\xB8\xB4\xD9 "
    "\xC0\xCC\xC0\xFC\xC0\xD4\xB4\xCF\xB4\xD9. \xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 "
    "\xC1\xD6\xBC\xBC\xBF\xE4.";
// "종료 월이 시작 월보다 이전입니다. 다시 입력해 주세요."
constexpr char kEndMonthBeforeStart[] =
    "\xC1\xBE\xB7\xE1 \xBF\xF9\xC0\xCC \xBD\xC3\xC0\xDB \xBF\xF9\xBA\xB8\xB4\xD9 \xC0\xCC\xC0\xFC"
    "\xC0\xD4\xB4\xCF\xB4\xD9. \xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 \xC1\xD6\xBC\xBC\xBF\xE4.";
// "종료 일이 시작 일보다 이전입니다. 다시 입력해 주세요."
constexpr char kEndDayBeforeStart[] =
    "\xC1\xBE\xB7\xE1 \xC0\xCF\xC0\xCC \xBD\xC3\xC0\xDB \xC0\xCF\xBA\xB8\xB4\xD9 \xC0\xCC\xC0\xFC"
    "\xC0\xD4\xB4\xCF\xB4\xD9. \xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 \xC1\xD6\xBC\xBC\xBF\xE4.";
// "시작 일과 종료일이 같습니다. 다시 입력해 주세요."
constexpr char kSameDates[] =
    "\xBD\xC3\xC0\xDB \xC0\xCF\xB0\xFA \xC1\xBE\xB7\xE1\xC0\xCF\xC0\xCC \xB0\xB0\xBD\xC0\xB4\xCF"
    "\xB4\xD9. \xB4\xD9\xBD\xC3 \xC0\xD4\xB7\xC2\xC7\xD8 \xC1\xD6\xBC\xBC\xBF\xE4.";

bool IsValidYear(int year) {
    return year >= kFirstYear && year <= kLastYear;
}

bool IsValidMonth(int month) {
    return month >= 1 && month <= kMonthsPerYear;
}

// Days from the start date to the end date of two existing dates, the start the earlier: the
// calendar's one day count.
int CountDays(int startYear, int startMonth, int startDay, int endYear, int endMonth, int endDay) {
    return static_cast<int>(DayNumber({endYear, endMonth, endDay}) -
                            DayNumber({startYear, startMonth, startDay}));
}

CalcOutcome Failure(const char* text, std::optional<FieldId> focus = std::nullopt) {
    return {false, 0, text, focus};
}

}  // namespace

// "두 날짜 사이의 총 일수는 %d일입니다."
const char kResultFormat[] =
    "\xB5\xCE \xB3\xAF\xC2\xA5 \xBB\xE7\xC0\xCC\xC0\xC7 \xC3\xD1 \xC0\xCF\xBC\xF6\xB4\xC2 "
    "%d\xC0\xCF\xC0\xD4\xB4\xCF\xB4\xD9.";

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<CalcOutcome> ValidateDates(int startYear, int startMonth, int startDay, int endYear,
                                         int endMonth, int endDay) {
    if (!IsValidYear(startYear) || !IsValidYear(endYear)) return Failure(kYearOutOfRange);
    if (!IsValidMonth(startMonth) || !IsValidMonth(endMonth)) return Failure(kMonthOutOfRange);
    if (startDay < 1 || startDay > kLongestMonth || endDay < 1 || endDay > kLongestMonth) {
        return Failure(kDayOutOfRange);
    }
    // Dates that do not exist (31 April, 29 February of a common year) get the same message.
    if (startDay > DaysInMonth(startYear, startMonth) || endDay > DaysInMonth(endYear, endMonth)) {
        return Failure(kDayOutOfRange);
    }
    if (startYear > endYear) return Failure(kEndYearBeforeStart, FieldId::EndYear);
    if (startYear == endYear && startMonth > endMonth) {
        return Failure(kEndMonthBeforeStart, FieldId::EndMonth);
    }
    if (startYear == endYear && startMonth == endMonth) {
        if (startDay > endDay) return Failure(kEndDayBeforeStart, FieldId::EndDay);
        if (startDay == endDay) return Failure(kSameDates, FieldId::EndDay);
    }
    return std::nullopt;
}

CalcOutcome CalcDateSpan(int startYear, int startMonth, int startDay, int endYear, int endMonth,
                         int endDay) {
    if (auto failure = ValidateDates(startYear, startMonth, startDay, endYear, endMonth, endDay)) {
        return *std::move(failure);
    }
    const int days = CountDays(startYear, startMonth, startDay, endYear, endMonth, endDay);
    return {true, days, FormatIntegers(kResultFormat, {days}), std::nullopt};
}
