#include "calendar/WorkingDays.h"

#include "calendar/LegalDeadline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Iso(CivilDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

TEST(WorkingDays, CountsTheDaysTheDayCountCounts) {
    const HolidayCalendar calendar;
    // December 2026: 23 weekdays, 기독탄신일 on a Friday.
    const PeriodWorkCount december =
        CountWorkingDays(calendar, {2026, 12, 1}, {2026, 12, 31}, true);
    EXPECT_EQ(december.days, 31);
    EXPECT_EQ(december.weekdays, 23);
    EXPECT_EQ(december.workingDays, 22);
    ASSERT_EQ(december.holidays.size(), 1U);
    EXPECT_FALSE(december.outsideCoverage);
    // Without the start day 1 December (a Tuesday) is not counted, nor is a holiday on it met.
    EXPECT_EQ(CountWorkingDays(calendar, {2026, 12, 1}, {2026, 12, 31}, false).workingDays, 21);
    EXPECT_EQ(CountWorkingDays(calendar, {2026, 10, 3}, {2026, 10, 10}, false).holidays.size(), 2U);
    EXPECT_EQ(CountWorkingDays(calendar, {2026, 10, 3}, {2026, 10, 10}, true).holidays.size(), 3U);
    // 2051 is uncovered: counted, with weekends alone left out, and said.
    const PeriodWorkCount across = CountWorkingDays(calendar, {2050, 12, 30}, {2051, 1, 3}, false);
    EXPECT_EQ(across.weekdays, 2);
    EXPECT_EQ(across.workingDays, 2);
    EXPECT_TRUE(across.outsideCoverage);
}

TEST(WorkingDays, ShiftsByWorkingDaysLikeWorkday) {
    const HolidayCalendar calendar;
    const struct {
        CivilDate base;
        std::int64_t amount;
        Direction direction;
        bool includeStart;
        CivilDate expected;
    } kCases[] = {
        {{2026, 9, 21}, 10, Direction::After, false, {2026, 10, 8}},
        {{2026, 10, 8}, 10, Direction::Before, false, {2026, 9, 21}},
        {{2026, 9, 21}, 10, Direction::After, true, {2026, 10, 7}},
        {{2026, 10, 3}, 1, Direction::After, true, {2026, 10, 6}},  // a holiday is not day 1
        {{2026, 10, 6}, 1, Direction::Before, false, {2026, 10, 2}},
        {{2026, 9, 21}, 0, Direction::After, false, {2026, 9, 21}},
    };
    for (const auto& c : kCases) {
        const auto result =
            ShiftWorkingDays(calendar, c.base, c.amount, c.direction, c.includeStart);
        ASSERT_TRUE(result) << Iso(c.base);
        EXPECT_EQ(Iso(result->date), Iso(c.expected)) << Iso(c.base) << " " << c.amount;
        EXPECT_FALSE(result->outsideCoverage);
    }
    EXPECT_FALSE(ShiftWorkingDays(calendar, {9999, 12, 30}, 2, Direction::After, false));
    EXPECT_FALSE(ShiftWorkingDays(calendar, {1, 1, 2}, 2, Direction::Before, false));
    EXPECT_TRUE(
        ShiftWorkingDays(calendar, {2050, 12, 30}, 3, Direction::After, false)->outsideCoverage);
}

// Adding N working days and counting the working days back gives N; the counts nest.
TEST(WorkingDays, ShiftAndCountAgree) {
    const HolidayCalendar calendar;
    for (int year : {1989, 1990, 2005, 2017, 2025, 2026, 2050}) {
        for (int month = 1; month <= 12; month += 3) {
            for (std::int64_t amount : {1, 3, 10, 45, 400}) {
                const CivilDate base{year, month, static_cast<int>(1 + amount % 28)};
                const auto after =
                    ShiftWorkingDays(calendar, base, amount, Direction::After, false);
                const auto before =
                    ShiftWorkingDays(calendar, base, amount, Direction::Before, false);
                ASSERT_TRUE(after && before);
                const PeriodWorkCount forward =
                    CountWorkingDays(calendar, base, after->date, false);
                const PeriodWorkCount backward =
                    CountWorkingDays(calendar, before->date, base, true);
                EXPECT_EQ(forward.workingDays, amount) << Iso(base);
                EXPECT_TRUE(calendar.IsWorkingDay(after->date)) << Iso(base);
                EXPECT_EQ(backward.workingDays - (calendar.IsWorkingDay(base) ? 1 : 0), amount);
                EXPECT_LE(forward.workingDays, forward.weekdays);
                EXPECT_LE(forward.weekdays, forward.days);
            }
        }
    }
}

TEST(WorkingDays, DeadlineMovesPastSaturdaysAndHolidays) {
    const HolidayCalendar calendar;
    // 2026-09-03 + 1개월: 10-03 (Saturday, 개천절), 10-04 (Sunday), 10-05 (its substitute).
    const auto moved = NextWorkingDayFrom(calendar, {2026, 10, 3});
    ASSERT_TRUE(moved);
    EXPECT_EQ(Iso(moved->date), "2026-10-06");
    ASSERT_EQ(moved->passed.size(), 3U);
    EXPECT_EQ(moved->passed[0].holidays.size(), 1U);
    EXPECT_TRUE(moved->passed[1].holidays.empty());
    EXPECT_EQ(moved->passed[2].holidays.at(0).kind, HolidayKind::Substitute);

    const auto stays = NextWorkingDayFrom(calendar, {2026, 10, 6});
    ASSERT_TRUE(stays);
    EXPECT_TRUE(stays->passed.empty());
    EXPECT_TRUE(NextWorkingDayFrom(calendar, {2051, 1, 1})->outsideCoverage);
}

// 민법 제157조 (the first day not counted), 제160조 (months and years by the calendar, ending the
// day before the start's day number, or the month's last day) and 제161조 (a last day on a
// Saturday or holiday moves on); a count backwards is never moved later.
TEST(WorkingDays, LegalDeadlinesFollowTheCivilCode) {
    const HolidayCalendar calendar;
    const struct {
        CivilDate base;
        std::int64_t amount;
        PeriodUnit unit;
        Direction direction;
        bool includeStart;
        const char* deadline;
        const char* workingDayBefore;
    } kCases[] = {
        {{2026, 2, 28}, 1, PeriodUnit::Months, Direction::After, false, "2026-03-31", ""},
        {{2026, 3, 1}, 1, PeriodUnit::Months, Direction::After, true, "2026-03-31", ""},
        {{2026, 9, 30}, 1, PeriodUnit::Months, Direction::After, false, "2026-11-02", ""},
        {{2026, 10, 1}, 1, PeriodUnit::Months, Direction::After, true, "2026-11-02", ""},
        {{2023, 2, 28}, 1, PeriodUnit::Years, Direction::After, false, "2024-02-29", ""},
        {{2023, 3, 1}, 1, PeriodUnit::Years, Direction::After, true, "2024-02-29", ""},
        {{2026, 3, 15}, 1, PeriodUnit::Months, Direction::After, false, "2026-04-15", ""},
        {{2026, 1, 31}, 1, PeriodUnit::Months, Direction::After, false, "2026-03-03", ""},
        {{2026, 11, 5}, 1, PeriodUnit::Months, Direction::After, false, "2026-12-07", ""},
        {{2026, 9, 3}, 30, PeriodUnit::Days, Direction::After, false, "2026-10-06", ""},
        {{2026, 12, 19},
         2,
         PeriodUnit::Weeks,
         Direction::Before,
         false,
         "2026-12-05",
         "2026-12-04"},
        {{2026, 10, 16},
         1,
         PeriodUnit::Weeks,
         Direction::Before,
         false,
         "2026-10-09",
         "2026-10-08"},
        {{2026, 10, 20}, 1, PeriodUnit::Weeks, Direction::Before, false, "2026-10-13", ""},
    };
    for (const auto& c : kCases) {
        const auto deadline =
            LegalDeadlineOf(calendar, c.base, c.amount, c.unit, c.direction, c.includeStart);
        ASSERT_TRUE(deadline) << Iso(c.base);
        EXPECT_EQ(Iso(deadline->date), c.deadline) << Iso(c.base);
        EXPECT_EQ(deadline->workingDayBefore ? Iso(*deadline->workingDayBefore) : "",
                  c.workingDayBefore)
            << Iso(c.base);
    }
    EXPECT_EQ(
        LegalDeadlineOf(calendar, {2026, 2, 28}, 0, PeriodUnit::Months, Direction::After, false)
            ->date,
        (CivilDate{2026, 3, 3}));  // no period: the base, a Saturday, moved on
    EXPECT_FALSE(
        LegalDeadlineOf(calendar, {9999, 12, 31}, 1, PeriodUnit::Days, Direction::After, false));
}

}  // namespace
