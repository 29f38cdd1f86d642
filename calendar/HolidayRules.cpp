// The holidays of 관공서의 공휴일에 관한 규정 (대통령령; since 2022 also 공휴일에 관한 법률) as
// they stood in each year from 1990. Each change of the law is one entry or one date below.
//
// The decree's history as it bears on these years:
// - 1989-02-01 amendment: 1 and 2 January; 설날 and 추석 each three days (the day before, the
//   day, the day after). Its next-day rule for a holiday on a Sunday was repealed on 1990-11-05
//   and never applied in 1990 (no single-day holiday fell on a Sunday before then).
// - 대통령령 제13155호, 1990-11-05: 국군의 날 (1 October) and 한글날 no longer holidays from 1991.
// - 1998 amendment: 1 January alone from 1999 (2 January no longer a holiday).
// - 2005 amendment: 식목일 (5 April) no longer a holiday from 2006; 제헌절 (17 July) from 2008.
// - 대통령령 제24273호, 2012-12-28: 한글날 a holiday again from 2013.
// - 대통령령 제24828호, 2013-11-05: substitute holidays for 설날 and 추석 (a day that falls on
//   another holiday, a Sunday being one) and for 어린이날 (also a Saturday).
// - 대통령령 제28394호, 2017-10-17: election days of 공직선거법 제34조 listed as holidays.
// - 공휴일에 관한 법률 (법률 제18291호, 2021-07-07, in force 2022-01-01) and the decree's
//   amendment in force 2021-08-04: substitutes also for 삼일절, 광복절, 개천절 and 한글날 on a
//   Saturday, a Sunday or another holiday; a substitute that would fall on a Saturday moves on.
//   (The law's own early rule for 기독탄신일 was not taken up: 2021-12-27 was a working day.)
// - Decree amendment in force 2023-05-04: substitutes also for 부처님오신날 and 기독탄신일.
// - 2026 amendments of 공휴일에 관한 법률 and the decree: 제헌절 a holiday again, and 노동절
//   (1 May) a holiday, both with substitutes.
#include "calendar/HolidayRules.h"

#include <algorithm>
#include <optional>

#include "calendar/KoreanLunarCalendar.h"

namespace {

// "신정"
constexpr char kNewYear[] = "\xBD\xC5\xC1\xA4";
// "설날"
constexpr char kSeollal[] = "\xBC\xB3\xB3\xAF";
// "삼일절"
constexpr char kIndependenceMovement[] = "\xBB\xEF\xC0\xCF\xC0\xFD";
// "식목일"
constexpr char kArborDay[] = "\xBD\xC4\xB8\xF1\xC0\xCF";
// "노동절"
constexpr char kLabourDay[] = "\xB3\xEB\xB5\xBF\xC0\xFD";
// "어린이날"
constexpr char kChildrensDay[] = "\xBE\xEE\xB8\xB0\xC0\xCC\xB3\xAF";
// "부처님오신날"
constexpr char kBuddhasBirthday[] = "\xBA\xCE\xC3\xB3\xB4\xD4\xBF\xC0\xBD\xC5\xB3\xAF";
// "현충일"
constexpr char kMemorialDay[] = "\xC7\xF6\xC3\xE6\xC0\xCF";
// "제헌절"
constexpr char kConstitutionDay[] = "\xC1\xA6\xC7\xE5\xC0\xFD";
// "광복절"
constexpr char kLiberationDay[] = "\xB1\xA4\xBA\xB9\xC0\xFD";
// "국군의 날"
constexpr char kArmedForcesDay[] = "\xB1\xB9\xB1\xBA\xC0\xC7 \xB3\xAF";
// "개천절"
constexpr char kFoundationDay[] = "\xB0\xB3\xC3\xB5\xC0\xFD";
// "추석"
constexpr char kChuseok[] = "\xC3\xDF\xBC\xAE";
// "한글날"
constexpr char kHangulDay[] = "\xC7\xD1\xB1\xDB\xB3\xAF";
// "기독탄신일"
constexpr char kChristmas[] = "\xB1\xE2\xB5\xB6\xC5\xBA\xBD\xC5\xC0\xCF";

// When a holiday earns a substitute: never; when it falls on a Sunday or on another holiday;
// or also on a Saturday.
enum class Trigger { None, SundayOrHoliday, WeekendOrHoliday };

// The decrees that brought substitutes, by the day they took effect.
constexpr CivilDate kSubstitutes2013 = {2013, 11, 5};
constexpr CivilDate kSubstitutes2021 = {2021, 8, 4};
constexpr CivilDate kSubstitutes2023 = {2023, 5, 4};
constexpr CivilDate kSubstitutes2026 = {2026, 1, 1};
constexpr CivilDate kNever = {9999, 12, 31};

// A holiday kept on a solar date, or on a lunar one (설날 1-1, 부처님오신날 4-8, 추석 8-15).
enum class Anchor { Solar, Lunar };

struct Rule {
    const char* name;
    Anchor anchor;
    int month;  // the date in the anchor's calendar
    int day;
    int firstOffset;  // the days held, relative to the date: 설날 and 추석 -1..1
    int lastOffset;
    int firstYear;
    int lastYear;
    Trigger trigger;
    CivilDate substitutesFrom;
};

constexpr int kOpen = kLastHolidayYear;

constexpr Rule kRules[] = {
    {kNewYear, Anchor::Solar, 1, 1, 0, 1, 1990, 1998, Trigger::None, kNever},
    {kNewYear, Anchor::Solar, 1, 1, 0, 0, 1999, kOpen, Trigger::None, kNever},
    {kSeollal, Anchor::Lunar, 1, 1, -1, 1, 1990, kOpen, Trigger::SundayOrHoliday, kSubstitutes2013},
    {kIndependenceMovement, Anchor::Solar, 3, 1, 0, 0, 1990, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2021},
    {kArborDay, Anchor::Solar, 4, 5, 0, 0, 1990, 2005, Trigger::None, kNever},
    {kLabourDay, Anchor::Solar, 5, 1, 0, 0, 2026, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2026},
    {kChildrensDay, Anchor::Solar, 5, 5, 0, 0, 1990, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2013},
    {kBuddhasBirthday, Anchor::Lunar, 4, 8, 0, 0, 1990, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2023},
    {kMemorialDay, Anchor::Solar, 6, 6, 0, 0, 1990, kOpen, Trigger::None, kNever},
    {kConstitutionDay, Anchor::Solar, 7, 17, 0, 0, 1990, 2007, Trigger::None, kNever},
    {kConstitutionDay, Anchor::Solar, 7, 17, 0, 0, 2026, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2026},
    {kLiberationDay, Anchor::Solar, 8, 15, 0, 0, 1990, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2021},
    {kChuseok, Anchor::Lunar, 8, 15, -1, 1, 1990, kOpen, Trigger::SundayOrHoliday,
     kSubstitutes2013},
    {kArmedForcesDay, Anchor::Solar, 10, 1, 0, 0, 1990, 1990, Trigger::None, kNever},
    {kFoundationDay, Anchor::Solar, 10, 3, 0, 0, 1990, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2021},
    {kHangulDay, Anchor::Solar, 10, 9, 0, 0, 1990, 1990, Trigger::None, kNever},
    {kHangulDay, Anchor::Solar, 10, 9, 0, 0, 2013, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2021},
    {kChristmas, Anchor::Solar, 12, 25, 0, 0, 1990, kOpen, Trigger::WeekendOrHoliday,
     kSubstitutes2023},
};

CivilDate AddDays(CivilDate date, int days) {
    return *DateOfDayNumber(DayNumber(date) + days);
}

std::optional<CivilDate> AnchorDate(const Rule& rule, int year) {
    if (rule.anchor == Anchor::Solar) return CivilDate{year, rule.month, rule.day};
    const SolarOfLunar lunar = ToSolar({year, rule.month, rule.day, false});
    if (lunar.error != LunarDateError::None) return std::nullopt;
    return lunar.solar;
}

// One day held by a rule, with what the rule says about its substitute.
struct HeldDay {
    Holiday holiday;
    Trigger trigger;
};

CivilDate DateOf(const Holiday& holiday) {
    return holiday.date;
}

CivilDate DateOf(const HeldDay& day) {
    return day.holiday.date;
}

bool Earns(const HeldDay& held, int holidaysThatDay) {
    if (held.trigger == Trigger::None) {
        return false;
    }
    const bool sharesDay = holidaysThatDay > 1;
    if (held.trigger == Trigger::SundayOrHoliday) {
        return Weekday(DateOf(held)) == kSunday || sharesDay;
    }
    return IsWeekend(DateOf(held)) || sharesDay;
}

// Puts the day after those of its date or earlier: days of one date keep the order they came in
// (the rules' order, then the declared days, then a substitute).
template <typename Day>
void InsertInDateOrder(std::vector<Day>& days, const Day& day) {
    auto at = days.end();
    while (at != days.begin() && DateOf(day) < DateOf(*(at - 1))) {
        --at;
    }
    days.insert(at, day);
}

bool IsHolidayOn(const std::vector<Holiday>& holidays, CivilDate date) {
    return std::any_of(holidays.begin(), holidays.end(),
                       [date](const Holiday& holiday) { return holiday.date == date; });
}

}  // namespace

std::vector<Holiday> RuleHolidaysOfYear(int year) {
    if (!IsCoveredYear(year)) {
        return {};
    }
    std::vector<HeldDay> held;
    for (const Rule& rule : kRules) {
        if (year < rule.firstYear || year > rule.lastYear) {
            continue;
        }
        const std::optional<CivilDate> anchor = AnchorDate(rule, year);
        for (int offset = rule.firstOffset; anchor && offset <= rule.lastOffset; ++offset) {
            const CivilDate date = AddDays(*anchor, offset);
            const Trigger trigger = date < rule.substitutesFrom ? Trigger::None : rule.trigger;
            InsertInDateOrder(held, {{date, rule.name, nullptr, HolidayKind::Public, false,
                                      rule.anchor == Anchor::Lunar},
                                     trigger});
        }
    }
    for (const Holiday& declared : DeclaredHolidays()) {
        if (declared.date.year == year) {
            InsertInDateOrder(held, {declared, Trigger::None});
        }
    }
    std::vector<Holiday> holidays(held.size());
    std::transform(held.begin(), held.end(), holidays.begin(),
                   [](const HeldDay& day) { return day.holiday; });

    // Each day that earns a substitute gives one, whatever number of holidays share it
    // (2025-05-05, 어린이날 and 부처님오신날, gave 2025-05-06 alone). The substitute is the first
    // later day that is neither a Saturday, a Sunday nor a holiday, substitutes already placed
    // included, so that two substitutes for nearby days follow one another.
    for (std::size_t first = 0; first < held.size();) {
        std::size_t end = first;
        while (end < held.size() && DateOf(held[end]) == DateOf(held[first])) {
            ++end;
        }
        const int sharing = static_cast<int>(end - first);
        // No day of 1990..2050 holds more than two holidays that earn a substitute.
        Holiday substitute{DateOf(held[first]), nullptr, nullptr, HolidayKind::Substitute};
        for (std::size_t i = first; i < end; ++i) {
            if (Earns(held[i], sharing)) {
                (substitute.name ? substitute.alsoFor : substitute.name) = held[i].holiday.name;
            }
        }
        if (substitute.name) {
            do {
                substitute.date = AddDays(substitute.date, 1);
            } while (IsWeekend(substitute.date) || IsHolidayOn(holidays, substitute.date));
            InsertInDateOrder(holidays, substitute);
        }
        first = end;
    }
    AddScheduledElections(year, holidays);
    return holidays;
}
