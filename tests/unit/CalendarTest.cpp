#include "calendar/Data_Day.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <string>

#include "Cp949.h"
#include "DatePair.h"

static void PrintTo(FieldId field, std::ostream* os) {
    static const char* const kNames[] = {"StartYear", "StartMonth", "StartDay",
                                         "EndYear",   "EndMonth",   "EndDay"};
    *os << kNames[static_cast<int>(field)];
}

namespace {

CalcOutcome Calc(const Dates& d) {
    return CalcDateSpan(d.startYear, d.startMonth, d.startDay, d.endYear, d.endMonth, d.endDay);
}

const char8_t kYearMessage[] = u8"년도의 범위가 벗어났습니다. 다시 입력해 주세요.";
const char8_t kMonthMessage[] = u8"월의 범위가 벗어났습니다. 다시 입력해 주세요.";
const char8_t kDayMessage[] = u8"일의 범위가 벗어났습니다. 다시 입력해 주세요.";

struct Rejection {
    Dates dates{};
    const char8_t* message = nullptr;
    std::optional<FieldId> focus;
};

void ExpectRejected(const Rejection& row) {
    SCOPED_TRACE(Describe(row.dates));
    const CalcOutcome outcome = Calc(row.dates);
    EXPECT_FALSE(outcome.valid);
    EXPECT_EQ(outcome.text, Cp949(row.message));
    EXPECT_EQ(outcome.focus, row.focus);
}

TEST(DateSpanChecks, YearOutside1To9999GivesTheYearMessageWhateverElseIsWrong) {
    const Rejection rows[] = {
        {{0, 5, 1, 2009, 5, 2}, kYearMessage, {}},  // empty start year
        {{2009, 5, 1, 0, 5, 2}, kYearMessage, {}},  // empty end year
        {{10000, 1, 1, 10000, 1, 2}, kYearMessage, {}},
        {{2009, 1, 1, 10000, 1, 1}, kYearMessage, {}},
        {{-1, 1, 1, 2009, 1, 1}, kYearMessage, {}},
        {{INT_MIN, 1, 1, INT_MAX, 1, 1}, kYearMessage, {}},
        {{0, 13, 1, 2009, 1, 1}, kYearMessage, {}},  // checked before the month
        {{0, 0, 0, 0, 0, 0}, kYearMessage, {}},      // every field empty
    };
    for (const Rejection& row : rows) ExpectRejected(row);
}

TEST(DateSpanChecks, MonthOutside1To12GivesTheMonthMessage) {
    const Rejection rows[] = {
        {{2009, 0, 1, 2009, 5, 1}, kMonthMessage, {}},
        {{2009, 13, 1, 2010, 1, 1}, kMonthMessage, {}},
        {{2009, 1, 1, 2009, 13, 1}, kMonthMessage, {}},
        {{2009, 1, 1, 2009, INT_MIN, 1}, kMonthMessage, {}},
        {{2009, 13, 32, 2010, 1, 1}, kMonthMessage, {}},  // checked before the day
        {{2010, 1, 1, 2009, 0, 1}, kMonthMessage, {}},    // checked before the order
    };
    for (const Rejection& row : rows) ExpectRejected(row);
}

TEST(DateSpanChecks, DayThatDoesNotExistGivesTheDayMessage) {
    const Rejection rows[] = {
        {{2009, 1, 0, 2009, 5, 1}, kDayMessage, {}},
        {{2009, 1, 32, 2009, 5, 1}, kDayMessage, {}},
        {{2009, 1, 1, 2009, 5, 32}, kDayMessage, {}},
        {{2009, 1, 1, 2009, 5, INT_MAX}, kDayMessage, {}},
        {{2008, 2, 30, 2008, 5, 1}, kDayMessage, {}},
        {{2009, 2, 29, 2009, 5, 1}, kDayMessage, {}},  // common year
        {{1900, 2, 29, 1900, 5, 1}, kDayMessage, {}},  // century, common
        {{2009, 1, 1, 2100, 2, 29}, kDayMessage, {}},
        {{2009, 4, 31, 2009, 5, 2}, kDayMessage, {}},  // 30-day months
        {{2009, 1, 1, 2009, 6, 31}, kDayMessage, {}},
        {{2009, 11, 31, 2010, 1, 1}, kDayMessage, {}},
        {{2010, 2, 30, 2009, 1, 1}, kDayMessage, {}},  // checked before the order
    };
    for (const Rejection& row : rows) ExpectRejected(row);
}

TEST(DateSpanChecks, EndNotAfterStartNamesTheEndFieldToCorrect) {
    const Rejection rows[] = {
        {{2010, 1, 1, 2009, 12, 31},
         u8"종료 년도가 시작 년도보다 이전입니다. 다시 입력해 주세요.",
         FieldId::EndYear},
        {{2009, 5, 1, 2009, 4, 30},
         u8"종료 월이 시작 월보다 이전입니다. 다시 입력해 주세요.",
         FieldId::EndMonth},
        {{2009, 5, 10, 2009, 5, 9},
         u8"종료 일이 시작 일보다 이전입니다. 다시 입력해 주세요.",
         FieldId::EndDay},
        {{2009, 5, 10, 2009, 5, 10},
         u8"시작 일과 종료일이 같습니다. 다시 입력해 주세요.",
         FieldId::EndDay},
    };
    for (const Rejection& row : rows) ExpectRejected(row);
}

TEST(DateSpan, CountsTheDaysFromTheStartDateToTheEndDate) {
    const struct {
        Dates dates;
        int days;
    } rows[] = {
        {{2009, 5, 9, 2009, 5, 10}, 1},     {{2009, 12, 30, 2009, 12, 31}, 1},
        {{2009, 12, 31, 2010, 1, 1}, 1},  // across a year boundary, counted the same way
        {{2009, 1, 1, 2010, 1, 1}, 365},    {{2008, 1, 1, 2009, 1, 1}, 366},
        {{2008, 1, 1, 2008, 3, 1}, 60},     {{2008, 3, 1, 2008, 5, 1}, 61},
        {{2008, 2, 29, 2008, 3, 1}, 1},     {{2009, 1, 1, 2009, 3, 1}, 59},
        {{2007, 6, 1, 2009, 6, 1}, 731},    {{2008, 2, 29, 2009, 2, 28}, 365},
        {{2007, 3, 1, 2008, 2, 29}, 365},   {{1899, 3, 1, 1901, 3, 1}, 730},  // 1900 is common
        {{1999, 3, 1, 2001, 3, 1}, 731},                                      // 2000 is leap
        {{2099, 3, 1, 2101, 3, 1}, 730},                                      // 2100 is common
        {{2000, 2, 29, 2000, 12, 31}, 306}, {{1, 1, 1, 9999, 12, 31}, 3652058},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Describe(row.dates));
        const CalcOutcome outcome = Calc(row.dates);
        EXPECT_TRUE(outcome.valid);
        EXPECT_EQ(outcome.days, row.days);
        EXPECT_EQ(outcome.text, Cp949(u8"두 날짜 사이의 총 일수는 ") + std::to_string(row.days) +
                                    Cp949(u8"일입니다."));
        EXPECT_EQ(outcome.focus, std::nullopt);
    }
}

TEST(LeapYear, FollowsTheGregorianRuleOnAnySignedYear) {
    const struct {
        int year;
        bool leap;
    } rows[] = {
        {2008, true}, {2009, false}, {1900, false}, {2000, true},     {2100, false},
        {400, true},  {4, true},     {1, false},    {9999, false},    {0, true},
        {-4, true},   {-100, false}, {-400, true},  {INT_MAX, false},
    };
    for (const auto& row : rows) EXPECT_EQ(IsLeapYear(row.year), row.leap) << row.year;
}

}  // namespace
