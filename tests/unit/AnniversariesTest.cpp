// The 기념일 list of a base date and the D-day texts.
#include "calendar/Anniversaries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "Cp949.h"

static void PrintTo(const CivilDate& date, std::ostream* os) {
    *os << date.year << "-" << date.month << "-" << date.day;
}

namespace {

using enum AnniversaryKind;

std::optional<CivilDate> DateOf(const std::vector<Anniversary>& list, AnniversaryKind kind,
                                int number) {
    const auto found = std::find_if(list.begin(), list.end(), [&](const Anniversary& entry) {
        return entry.kind == kind && entry.number == number;
    });
    if (found == list.end()) return std::nullopt;
    return found->date;
}

TEST(Anniversaries, CountTheBaseAsDayOneOnlyWithTheCheckBox) {
    const std::vector<Anniversary> on = Anniversaries({2026, 3, 1}, true);
    EXPECT_EQ(DateOf(on, Days, 100), (CivilDate{2026, 6, 8}));
    EXPECT_EQ(DateOf(Anniversaries({2026, 3, 1}, false), Days, 100), (CivilDate{2026, 6, 9}));
    // 10 + 9 N일, 10 + 8 주년, in date order: 100일 first, 50주년 last.
    ASSERT_EQ(on.size(), 37U);
    EXPECT_TRUE(std::is_sorted(on.begin(), on.end(),
                               [](const auto& a, const auto& b) { return a.date < b.date; }));
    EXPECT_EQ(on.back(), (Anniversary{Years, 50, {2076, 3, 1}}));
}

TEST(Anniversaries, YearsFallOnTheBaseDateWhateverTheCheckBox) {
    for (const bool includeStart : {true, false}) {
        const std::vector<Anniversary> list = Anniversaries({2024, 2, 29}, includeStart);
        EXPECT_EQ(DateOf(list, Years, 1), (CivilDate{2025, 2, 28}));  // 돌 of a 29 February birth
        EXPECT_EQ(DateOf(list, Years, 4), (CivilDate{2028, 2, 29}));
    }
}

TEST(Anniversaries, LunarYearsKeepTheBasesLunarDateAcrossALeapMonth) {
    // 2025-08-03 is 윤6월 10일; 2026 has no leap month, so its 돌 falls on 6월 10일.
    const std::vector<Anniversary> list = Anniversaries({2025, 8, 3}, true, true);
    const Anniversary first{LunarYears, 1, {2026, 7, 23}};
    EXPECT_EQ(DateOf(list, LunarYears, 1), first.date);
    EXPECT_EQ(DateOf(list, Years, 1), std::nullopt);
    EXPECT_EQ(DateOf(list, LunarYears, 30), std::nullopt);  // past the lunar table
    EXPECT_EQ(AnniversaryName(first), Cp949(u8"음력 1주년·돌"));
    // Another event than the solar 돌, so that both files can be imported.
    EXPECT_EQ(AnniversaryUid({2025, 8, 3}, first), "20250803-lunar-years-1@tessaro");
}

TEST(Anniversaries, LeaveOutDatesPast9999) {
    const std::vector<Anniversary> list = Anniversaries({9990, 1, 1}, true);
    EXPECT_EQ(DateOf(list, Years, 9), (CivilDate{9999, 1, 1}));
    EXPECT_EQ(DateOf(list, Years, 10), std::nullopt);
    EXPECT_TRUE(Anniversaries({2025, 2, 29}, true).empty());
}

TEST(Anniversaries, NextIsTheFirstOnOrAfterToday) {
    const std::vector<Anniversary> list = Anniversaries({2026, 3, 1}, true);
    EXPECT_EQ(NextAnniversary(list, {2026, 6, 8}), 0U);
    EXPECT_EQ(NextAnniversary(list, {2026, 6, 9}), 1U);
    EXPECT_EQ(NextAnniversary(list, {2076, 3, 2}), std::nullopt);
}

TEST(Dday, CountsPastBasesAsTheCheckBoxSaysAndFutureOnesDownToDday) {
    auto dday = [](CivilDate base, CivilDate today, bool includeStart) {
        return DdayText(DayCountFromBase(base, today, includeStart));
    };
    EXPECT_EQ(dday({2026, 3, 1}, {2026, 3, 1}, true), "D+1");
    EXPECT_EQ(dday({2026, 3, 1}, {2026, 3, 1}, false), "D-day");
    EXPECT_EQ(dday({2026, 3, 1}, {2026, 6, 8}, true), "D+100");
    EXPECT_EQ(dday({2026, 3, 1}, {2026, 6, 8}, false), "D+99");
    EXPECT_EQ(dday({2026, 12, 21}, {2026, 12, 9}, true), "D-12");
    EXPECT_EQ(TodayCountText(1234), Cp949(u8"오늘은 1,234일째"));
}

TEST(Anniversaries, NameTheirEventsAndFile) {
    const Anniversary first{Years, 1, {2027, 3, 1}};
    EXPECT_EQ(AnniversaryName(first), Cp949(u8"1주년·돌"));
    EXPECT_EQ(AnniversarySummary({2026, 3, 1}, {Days, 100, {2026, 6, 8}}),
              Cp949(u8"100일 (2026-03-01부터)"));
    EXPECT_EQ(AnniversaryUid({2026, 3, 1}, first), "20260301-years-1@tessaro");
    EXPECT_EQ(AnniversaryFileName({2026, 3, 1}), Cp949(u8"2026-03-01 기념일.ics"));
}

}  // namespace
