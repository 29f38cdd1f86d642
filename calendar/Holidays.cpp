#include "calendar/Holidays.h"

#include <algorithm>
#include <utility>

#include "calendar/HolidayRules.h"

namespace {

// "공휴일"
constexpr char kPublic[] = "\xB0\xF8\xC8\xDE\xC0\xCF";
// "대체공휴일"
constexpr char kSubstitute[] = "\xB4\xEB\xC3\xBC\xB0\xF8\xC8\xDE\xC0\xCF";
// "선거일"
constexpr char kElection[] = "\xBC\xB1\xB0\xC5\xC0\xCF";

// How many holidays of a list in date order fall on day number `day` or earlier.
std::ptrdiff_t CountUpTo(const std::vector<Holiday>& holidays, std::int64_t day) {
    return std::partition_point(
               holidays.begin(), holidays.end(),
               [day](const Holiday& holiday) { return DayNumber(holiday.date) <= day; }) -
           holidays.begin();
}

}  // namespace

// "임시공휴일"
const char kDeclaredKindName[] = "\xC0\xD3\xBD\xC3\xB0\xF8\xC8\xDE\xC0\xCF";
// "·"
const char kHolidayNameJoin[] = "\xA1\xA4";

const char* HolidayKindName(HolidayKind kind) {
    switch (kind) {
        case HolidayKind::Public:
            return kPublic;
        case HolidayKind::Substitute:
            return kSubstitute;
        case HolidayKind::Election:
            return kElection;
        case HolidayKind::Declared:
            return kDeclaredKindName;
    }
    return kPublic;
}

std::string HolidayKindText(const Holiday& holiday) {
    // ", 예정"
    constexpr char kScheduled[] = ", \xBF\xB9\xC1\xA4";
    const std::string kind = HolidayKindName(holiday.kind);
    return holiday.scheduled ? kind + kScheduled : kind;
}

std::string HolidayLabel(const Holiday& holiday) {
    if (holiday.kind != HolidayKind::Substitute) {
        return holiday.name;
    }
    std::string label = std::string(kSubstitute) + "(" + holiday.name;
    if (holiday.alsoFor) {
        label = label + kHolidayNameJoin + holiday.alsoFor;
    }
    return label + ")";
}

bool IsCoveredYear(int year) {
    return year >= kFirstHolidayYear && year <= kLastHolidayYear;
}

void HolidayCalendar::AddUserHoliday(CivilDate date, std::string name) {
    additions_.push_back({date, std::move(name)});
    built_.reset();
}

void HolidayCalendar::RemoveHolidaysOn(CivilDate date) {
    removals_.push_back(date);
    built_.reset();
}

const HolidayCalendar::Built& HolidayCalendar::Get() const {
    if (built_) {
        return *built_;
    }
    Built built;
    for (int year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
        for (const Holiday& holiday : RuleHolidaysOfYear(year)) {
            if (std::find(removals_.begin(), removals_.end(), holiday.date) == removals_.end()) {
                built.holidays.push_back(holiday);
            }
        }
    }
    // Each addition goes after the holidays of its date and before those of later dates.
    for (const Addition& addition : additions_) {
        const std::ptrdiff_t at = CountUpTo(built.holidays, DayNumber(addition.date));
        built.holidays.insert(built.holidays.begin() + at, {addition.date, addition.name.c_str(),
                                                            nullptr, HolidayKind::Declared});
    }
    for (const Holiday& holiday : built.holidays) {
        const std::int64_t day = DayNumber(holiday.date);
        if (!IsWeekend(holiday.date) &&
            (built.weekdayHolidayDays.empty() || built.weekdayHolidayDays.back() != day)) {
            built.weekdayHolidayDays.push_back(day);
        }
    }
    return built_.emplace(std::move(built));
}

std::vector<Holiday> HolidayCalendar::HolidaysBetween(CivilDate from, CivilDate to) const {
    const std::vector<Holiday>& holidays = Get().holidays;
    const auto begin = holidays.begin() + CountUpTo(holidays, DayNumber(from) - 1);
    return {begin, std::max(begin, holidays.begin() + CountUpTo(holidays, DayNumber(to)))};
}

std::vector<Holiday> HolidayCalendar::HolidaysOfYear(int year) const {
    return HolidaysBetween({year, 1, 1}, {year, 12, 31});
}

std::vector<Holiday> HolidayCalendar::HolidaysOn(CivilDate date) const {
    return HolidaysBetween(date, date);
}

bool HolidayCalendar::IsPublicHoliday(CivilDate date) const {
    return Weekday(date) == kSunday || !HolidaysOn(date).empty();
}

bool HolidayCalendar::IsWorkingDay(CivilDate date) const {
    return Weekday(date) != kSaturday && !IsPublicHoliday(date);
}

std::int64_t HolidayCalendar::WeekdayHolidayDates(std::int64_t first, std::int64_t last) const {
    if (last < first) {
        return 0;
    }
    const std::vector<std::int64_t>& days = Get().weekdayHolidayDays;
    return std::upper_bound(days.begin(), days.end(), last) -
           std::lower_bound(days.begin(), days.end(), first);
}
