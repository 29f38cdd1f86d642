// The date tools' arithmetic and texts on the worked values of their rules.
#include "calendar/DateMath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <ostream>

#include "Cp949.h"
#include "calendar/IntegerFormat.h"
#include "calendar/KoreanDateText.h"

static void PrintTo(const CivilDate& date, std::ostream* os) {
    *os << date.year << "-" << date.month << "-" << date.day;
}

namespace {

constexpr auto kAfter = Direction::After;
constexpr auto kBefore = Direction::Before;

struct Shift {
    CivilDate base{};
    std::int64_t amount = 0;
    PeriodUnit unit = PeriodUnit::Days;
    Direction direction = Direction::After;
    bool includeStart = false;
    std::optional<CivilDate> expected;
};

TEST(ShiftDate, GivesTheWorkedDatesOfEachRule) {
    using enum PeriodUnit;
    const Shift rows[] = {
        {{2026, 1, 1}, 100, Days, kAfter, true, CivilDate{2026, 4, 10}},
        {{2026, 3, 1}, 2, Years, kAfter, true, CivilDate{2028, 2, 29}},
        {{2026, 1, 31}, 1, Months, kAfter, true, CivilDate{2026, 2, 28}},
        {{2026, 1, 28}, 1, Months, kAfter, true, CivilDate{2026, 2, 27}},
        {{2026, 4, 10}, 100, Days, kBefore, true, CivilDate{2026, 1, 1}},
        {{2027, 2, 28}, 1, Years, kBefore, true, CivilDate{2026, 3, 1}},
        {{2026, 3, 31}, 1, Months, kBefore, true, CivilDate{2026, 3, 1}},
        {{2026, 1, 31}, 1, Months, kAfter, false, CivilDate{2026, 2, 28}},
        {{2024, 2, 29}, 1, Years, kAfter, false, CivilDate{2025, 2, 28}},
        {{2026, 3, 31}, 1, Months, kBefore, false, CivilDate{2026, 2, 28}},
        // The largest amount the window takes; the range's ends are swept against the oracle.
        {{2026, 1, 1}, 9999999, Days, kAfter, true, std::nullopt},
        {{2026, 1, 1}, -1, Days, kAfter, false, std::nullopt},
        {{2025, 2, 29}, 1, Days, kAfter, false, std::nullopt},
    };
    for (const Shift& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.base) + " by " + std::to_string(row.amount));
        EXPECT_EQ(ShiftDate(row.base, row.amount, row.unit, row.direction, row.includeStart),
                  row.expected);
    }
}

TEST(BreakDownPeriod, CountsWholeMonthsFromTheStartThenDays) {
    struct Row {
        CivilDate from, to;
        bool includeStart;
        int years, months, days;
    };
    const Row rows[] = {
        {{2009, 3, 7}, {2009, 12, 25}, false, 0, 9, 18},
        {{2009, 3, 7}, {2009, 12, 25}, true, 0, 9, 19},
        {{2026, 1, 31}, {2026, 2, 28}, false, 0, 1, 0},
        {{2026, 1, 31}, {2026, 2, 28}, true, 0, 1, 0},
        {{2026, 3, 1}, {2028, 2, 29}, true, 2, 0, 0},
        {{2009, 12, 25}, {2009, 3, 7}, false, 0, 9, 18},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.from) + " .. " + testing::PrintToString(row.to));
        const YearsMonthsDays period = BreakDownPeriod(row.from, row.to, row.includeStart);
        EXPECT_EQ(period.years, row.years);
        EXPECT_EQ(period.months, row.months);
        EXPECT_EQ(period.days, row.days);
    }
    EXPECT_EQ(DayNumber({2009, 12, 25}) - DayNumber({2009, 3, 7}), 293);
    // Dates that do not exist break down into nothing, read no table past its end.
    const YearsMonthsDays none = BreakDownPeriod({2026, 13, 1}, {2026, 1, 1}, true);
    EXPECT_EQ(none.years + none.months + none.days, 0);
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
}

TEST(AgeOn, IsAYearOlderOnTheBirthdayAndBornOnALeapDayOnFirstMarch) {
    struct Row {
        CivilDate birth, on;
        int years, months;
        CivilDate next;
        std::int64_t daysUntil;
    };
    const Row rows[] = {
        {{2024, 2, 29}, {2025, 2, 28}, 0, 11, {2025, 3, 1}, 1},
        {{2024, 2, 29}, {2025, 3, 1}, 1, 0, {2026, 3, 1}, 365},
        {{1990, 5, 20}, {2026, 12, 9}, 36, 6, {2027, 5, 20}, 162},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.birth) + " on " + testing::PrintToString(row.on));
        const std::optional<Age> age = AgeOn(row.birth, row.on);
        ASSERT_TRUE(age.has_value());
        EXPECT_EQ(age->years, row.years);
        EXPECT_EQ(age->monthsPastBirthday, row.months);
        EXPECT_EQ(age->nextBirthday, row.next);
        EXPECT_EQ(age->daysUntilNextBirthday, row.daysUntil);
    }
    EXPECT_FALSE(AgeOn({2026, 12, 9}, {2026, 12, 8}).has_value());
}

TEST(Weeks, BelongToTheYearAndMonthOfTheirThursday) {
    EXPECT_EQ(IsoWeekOf({2026, 12, 9}), (IsoWeek{2026, 50}));
    EXPECT_EQ(IsoWeekOf({2026, 12, 31}), (IsoWeek{2026, 53}));
    EXPECT_EQ(IsoWeekOf({2027, 1, 1}), (IsoWeek{2026, 53}));
    EXPECT_EQ(IsoWeekOf({2027, 1, 4}), (IsoWeek{2027, 1}));
    EXPECT_EQ(IsoWeekOf({2020, 12, 31}), (IsoWeek{2020, 53}));
    EXPECT_EQ(IsoWeekOf({2021, 1, 3}), (IsoWeek{2020, 53}));
    EXPECT_EQ(IsoWeekOf({2024, 12, 30}), (IsoWeek{2025, 1}));
    EXPECT_EQ(MonthWeekOf({2026, 12, 9}), (MonthWeek{2026, 12, 2}));
    EXPECT_EQ(MonthWeekOf({2026, 11, 30}), (MonthWeek{2026, 12, 1}));
    EXPECT_EQ(MonthWeekOf({2027, 1, 3}), (MonthWeek{2026, 12, 5}));
    EXPECT_EQ(MonthWeekOf({2027, 1, 4}), (MonthWeek{2027, 1, 1}));
    EXPECT_EQ(DayOfYear({2026, 1, 1}), 1);
    EXPECT_EQ(DayOfYear({2026, 12, 31}), 365);
    EXPECT_EQ(DayOfYear({2024, 12, 31}), 366);
}

TEST(KoreanDateText, WritesDatesNumbersAndTheMissingDate) {
    EXPECT_EQ(KoreanDateWithWeekday({2009, 3, 7}), Cp949(u8"2009년 3월 7일 토요일"));
    EXPECT_EQ(KoreanDateWithWeekday({2009, 12, 25}), Cp949(u8"2009년 12월 25일 금요일"));
    EXPECT_EQ(KoreanDateWithWeekday({2027, 5, 20}), Cp949(u8"2027년 5월 20일 목요일"));
    EXPECT_EQ(KoreanDateWithWeekday({1, 1, 1}), Cp949(u8"1년 1월 1일 월요일"));
    EXPECT_EQ(NonexistentDateText(2025, 2, 29), Cp949(u8"2025년 2월 29일은 없는 날짜입니다."));
    EXPECT_EQ(IsoDate({2026, 4, 10}), "2026-04-10");
    EXPECT_EQ(IsoDate({5, 1, 1}), "0005-01-01");
    EXPECT_EQ(WithThousands(0), "0");
    EXPECT_EQ(WithThousands(999), "999");
    EXPECT_EQ(WithThousands(1000), "1,000");
    EXPECT_EQ(WithThousands(3652058), "3,652,058");
    EXPECT_EQ(WithThousands(-1234567), "-1,234,567");
    EXPECT_EQ(WithThousands(std::numeric_limits<std::int64_t>::min()),
              "-9,223,372,036,854,775,808");
}

// The program's own formats and the edges of widths and signs, against the C library.
TEST(FormatIntegers, WritesWhatSnprintfWrites) {
    constexpr const char* kFormats[] = {"%d", "%2d", "%4d", "%02d", "%04d", "a%%b %d%% c", "x%5d"};
    constexpr int kValues[] = {0, 7, -7, 25, 2009, -2009, 99999, 2147483647, -2147483647 - 1};
    for (const char* format : kFormats) {
        for (const int value : kValues) {
            char expected[64];
            std::snprintf(expected, sizeof expected, format, value);
            EXPECT_EQ(FormatIntegers(format, {value}), expected) << format << " " << value;
        }
    }
    EXPECT_EQ(FormatIntegers("%4d-%02d-%2d", {2009, 3, 7}), "2009-03- 7");
    EXPECT_EQ(FormatIntegers("%d %d", {1}), "1 %d");
}

}  // namespace
