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
// "임시공휴일"
constexpr char kDeclared[] = "\xC0\xD3\xBD\xC3\xB0\xF8\xC8\xDE\xC0\xCF";

constexpr int kSunday = 0;
constexpr int kSaturday = 6;

bool IsWeekend(CivilDate date) {
    const int weekday = Weekday(date);
    return weekday == kSunday || weekday == kSaturday;
}

bool ByDate(const Holiday& a, const Holiday& b) {
    return DayNumber(a.date) < DayNumber(b.date);
}

}  // namespace

const char* HolidayKindName(HolidayKind kind) {
    switch (kind) {
        case HolidayKind::Public:
            return kPublic;
        case HolidayKind::Substitute:
            return kSubstitute;
        case HolidayKind::Election:
            return kElection;
        case HolidayKind::Declared:
            return kDeclared;
    }
    return kPublic;
}

std::string HolidayLabel(const Holiday& holiday) {
    if (holiday.kind != HolidayKind::Substitute) {
        return holiday.name;
    }
    return std::string(kSubstitute) + "(" + holiday.name + ")";
}

bool IsCoveredYear(int year) {
    return year >= kFirstHolidayYear && year <= kLastHolidayYear;
}

void HolidayCalendar::AddUserHoliday(CivilDate date, std::string nameUtf8) {
    additions_.push_back({date, std::move(nameUtf8), HolidayKind::Declared, true});
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
        for (Holiday& holiday : RuleHolidaysOfYear(year)) {
            if (std::find(removals_.begin(), removals_.end(), holiday.date) == removals_.end()) {
                built.holidays.push_back(std::move(holiday));
            }
        }
    }
    built.holidays.insert(built.holidays.end(), additions_.begin(), additions_.end());
    std::stable_sort(built.holidays.begin(), built.holidays.end(), ByDate);
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
    const std::int64_t first = DayNumber(from);
    const std::int64_t last = DayNumber(to);
    auto begin = std::partition_point(holidays.begin(), holidays.end(), [first](const Holiday& h) {
        return DayNumber(h.date) < first;
    });
    auto end = std::partition_point(begin, holidays.end(),
                                    [last](const Holiday& h) { return DayNumber(h.date) <= last; });
    return {begin, end};
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
