// 기념일 and D-day of a base date (the day a couple met, a birth, an enlistment, an exam): the
// 100일 and 주년 list, the D-day texts, and what the list's calendar file is called and how its
// events are named. Texts are CP949 bytes; platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/DateMath.h"

enum class AnniversaryKind {
    Days,        // 100일, 200일, ... 1000일, 2000일, ... 10000일
    Years,       // 1주년 (also 돌), ... 10주년, 15주년, ... 50주년
    LunarYears,  // the same 주년, each on the base's lunar date of its lunar year
};

struct Anniversary {
    AnniversaryKind kind{};
    int number = 0;  // the days or the years
    CivilDate date{};
    friend bool operator==(const Anniversary&, const Anniversary&) = default;
};

// The base's month and day in the year `years` later; a 29 February base falls on 28 February
// in a common year.
std::optional<CivilDate> SolarYearlyDate(CivilDate base, int years);
// The base's lunar date in the lunar year `years` later, by LunarAnniversary's custom (a missing
// 30th on the 29th, a leap-month date in the regular month where the year lacks the leap month);
// nothing outside the lunar table.
std::optional<CivilDate> LunarYearlyDate(CivilDate base, int years);

// The list in date order (a 주년 after the N일 of the same date). With includeStart the base is
// day 1 (100일 = base + 99 days), without it day 0 (base + 100). The 주년 fall on the base's date
// (lunarYearly: its lunar date) whatever includeStart says. An entry whose date lies past
// 9999-12-31 (or past the lunar table) is left out; a base date that does not exist gives none.
std::vector<Anniversary> Anniversaries(CivilDate base, bool includeStart, bool lunarYearly = false);

// The first entry on or after today (the one to select), or nothing when all have passed.
std::optional<std::size_t> NextAnniversary(const std::vector<Anniversary>& list, CivilDate today);

// Today counted from the base date. For a base today or past: today's day in the period from
// the base, today - base + 1 with includeStart (the base itself is day 1) and today - base
// without it (the base is day 0). For a base ahead: minus the days until it, whatever
// includeStart says (a count-down reaches its D-day on the base itself). Both dates must exist.
std::int64_t DayCountFromBase(CivilDate base, CivilDate today, bool includeStart);

// "D-12" for a count of -12, "D-day" for 0, "D+30" for 30. An entry's D-day from today is the
// text of DayCountFromBase(entry date, today, false).
std::string DdayText(std::int64_t dayCount);
// "오늘은 30일째", for a count of 0 or more.
std::string TodayCountText(std::int64_t dayCount);

// "100일", "1주년·돌", "20주년", "음력 3주년".
std::string AnniversaryName(const Anniversary& entry);
// The calendar event's title: "100일 (2026-03-01부터)".
std::string AnniversarySummary(CivilDate base, const Anniversary& entry);
// The calendar event's UID, the same on every save so that importing again updates the event
// (also after 시작일 포함 changed its date): "20260301-days-100@tessaro",
// "20260301-years-1@tessaro". A lunar 주년 is another event than the solar one of the same number
// ("20260301-lunar-years-1@tessaro"): both files can be imported side by side, as people keep
// both birthdays.
std::string AnniversaryUid(CivilDate base, const Anniversary& entry);
// The calendar file's default name: "2026-03-01 기념일.ics".
std::string AnniversaryFileName(CivilDate base);
