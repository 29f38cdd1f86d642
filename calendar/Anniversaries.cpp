#include "calendar/Anniversaries.h"

#include <algorithm>

#include "calendar/Holidays.h"
#include "calendar/IntegerFormat.h"
#include "calendar/KoreanDateText.h"
#include "calendar/KoreanLunarCalendar.h"

namespace {

// "일", "주년", "오늘은 ", "일째", "부터)", " 기념일.ics"
constexpr char kDays[] = "\xC0\xCF";
constexpr char kYears[] = "\xC1\xD6\xB3\xE2";
constexpr char kToday[] = "\xBF\xC0\xB4\xC3\xC0\xBA ";
constexpr char kNthDay[] = "\xC0\xCF\xC2\xB0";
constexpr char kSince[] = "\xBA\xCE\xC5\xCD)";
constexpr char kFileSuffix[] = " \xB1\xE2\xB3\xE4\xC0\xCF.ics";
// "돌": the first 주년's other name.
constexpr char kFirstBirthday[] = "\xB5\xB9";
// "음력 "
constexpr char kLunarPrefix[] = "\xC0\xBD\xB7\xC2 ";

// 100일 .. 1000일 by 100, then to 10000일 by 1000; 1주년 .. 10주년 by 1, then to 50주년 by 5.
struct Steps {
    int first, step, last;
};
constexpr Steps kDaySteps[] = {{100, 100, 1000}, {2000, 1000, 10000}};
constexpr Steps kYearSteps[] = {{1, 1, 10}, {15, 5, 50}};

}  // namespace

std::optional<CivilDate> SolarYearlyDate(CivilDate base, int years) {
    return ShiftDate(base, years, PeriodUnit::Years, Direction::After, false);
}

std::optional<CivilDate> LunarYearlyDate(CivilDate base, int years) {
    const std::optional<LunarDate> lunar = ToLunar(base);
    if (!lunar) return std::nullopt;
    return LunarAnniversary(*lunar, lunar->year + years);
}

std::vector<Anniversary> Anniversaries(CivilDate base, bool includeStart, bool lunarYearly) {
    if (!IsValidDate(base)) return {};
    std::vector<Anniversary> days;
    for (const Steps& steps : kDaySteps) {
        for (int number = steps.first; number <= steps.last; number += steps.step) {
            const std::optional<CivilDate> date =
                ShiftDate(base, number, PeriodUnit::Days, Direction::After, includeStart);
            if (date) days.push_back({AnniversaryKind::Days, number, *date});
        }
    }
    std::vector<Anniversary> years;
    const AnniversaryKind kind = lunarYearly ? AnniversaryKind::LunarYears : AnniversaryKind::Years;
    for (const Steps& steps : kYearSteps) {
        for (int number = steps.first; number <= steps.last; number += steps.step) {
            const std::optional<CivilDate> date =
                lunarYearly ? LunarYearlyDate(base, number) : SolarYearlyDate(base, number);
            if (date) years.push_back({kind, number, *date});
        }
    }
    // Both are in date order; the merge keeps an N일 before a 주년 of the same date.
    std::vector<Anniversary> list(days.size() + years.size());
    std::merge(days.begin(), days.end(), years.begin(), years.end(), list.begin(),
               [](const Anniversary& a, const Anniversary& b) { return a.date < b.date; });
    return list;
}

std::optional<std::size_t> NextAnniversary(const std::vector<Anniversary>& list, CivilDate today) {
    const auto next = std::partition_point(list.begin(), list.end(),
                                           [&](const Anniversary& a) { return a.date < today; });
    if (next == list.end()) return std::nullopt;
    return static_cast<std::size_t>(next - list.begin());
}

std::int64_t DayCountFromBase(CivilDate base, CivilDate today, bool includeStart) {
    const std::int64_t elapsed = DayNumber(today) - DayNumber(base);
    return elapsed < 0 || !includeStart ? elapsed : elapsed + 1;
}

std::string DdayText(std::int64_t dayCount) {
    if (dayCount == 0) return "D-day";
    return FormatIntegers(dayCount > 0 ? "D+%d" : "D%d", {dayCount});
}

std::string TodayCountText(std::int64_t dayCount) {
    return kToday + WithThousands(dayCount) + kNthDay;
}

std::string AnniversaryName(const Anniversary& entry) {
    if (entry.kind == AnniversaryKind::Days) return FormatIntegers("%d", {entry.number}) + kDays;
    std::string name = FormatIntegers("%d", {entry.number}) + kYears;
    if (entry.number == 1) name.append(kHolidayNameJoin).append(kFirstBirthday);
    return entry.kind == AnniversaryKind::LunarYears ? kLunarPrefix + name : name;
}

std::string AnniversarySummary(CivilDate base, const Anniversary& entry) {
    return AnniversaryName(entry) + " (" + IsoDate(base) + kSince;
}

std::string AnniversaryUid(CivilDate base, const Anniversary& entry) {
    const char* format = "%04d%02d%02d-years-%d@tessaro";
    if (entry.kind == AnniversaryKind::Days) format = "%04d%02d%02d-days-%d@tessaro";
    if (entry.kind == AnniversaryKind::LunarYears) format = "%04d%02d%02d-lunar-years-%d@tessaro";
    return FormatIntegers(format, {base.year, base.month, base.day, entry.number});
}

std::string AnniversaryFileName(CivilDate base) {
    return IsoDate(base) + kFileSuffix;
}
