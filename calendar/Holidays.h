// Korean public holidays (관공서의 공휴일에 관한 규정, and since 2022 공휴일에 관한 법률) of
// 1990..2050 as the rules in force each year give them, the election days and holidays the
// government declared, and the user's own additions and removals. Platform-free.
//
// A HolidayCalendar costs nothing to construct: the holidays are worked out on the first
// question asked of it (about 1,150 of them, in about a millisecond), so a window can hold one
// from start-up. Names are CP949, the user's own too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/DateMath.h"

// The years whose holidays the calendar knows; elsewhere only Saturdays and Sundays are days off.
constexpr int kFirstHolidayYear = 1990;
constexpr int kLastHolidayYear = 2050;

enum class HolidayKind {
    Public,      // 공휴일: a holiday the decree names
    Substitute,  // 대체공휴일
    Election,    // 선거일
    Declared,    // 임시공휴일 (also every holiday from the user's file)
};

// Trivially copyable: the names point at the rules' constant texts or at the calendar's own copy
// of the user's file, so a Holiday is valid while the calendar that gave it is.
struct Holiday {
    CivilDate date{};
    // The holiday's name; for a substitute, the name of the holiday it stands in for ("삼일절").
    const char* name = "";
    // A substitute standing in for two holidays of one day: the second one's name ("부처님오신날"
    // on 2025-05-06, after "어린이날"); null otherwise.
    const char* alsoFor = nullptr;
    HolidayKind kind{};
    // An election day worked out by 공직선거법 제34조 for a term that ends after the release,
    // not yet announced ("예정").
    bool scheduled = false;
    // A day of a holiday kept by the lunar calendar (설날, 부처님오신날, 추석 and the days around).
    bool lunar = false;
};

// "·": between the names of holidays shown together ("어린이날·부처님오신날").
extern const char kHolidayNameJoin[];

// "공휴일", "대체공휴일", "선거일", "임시공휴일" (CP949).
const char* HolidayKindName(HolidayKind kind);
// The kind as lists and date marks show it: its name, "선거일, 예정" for a scheduled election.
std::string HolidayKindText(const Holiday& holiday);
// The text a list shows for a holiday: "대체공휴일(삼일절)" for a substitute (the two names joined
// with "·" when it stands in for two), the name otherwise.
std::string HolidayLabel(const Holiday& holiday);

// Whether the calendar knows that year's holidays (1990..2050).
bool IsCoveredYear(int year);

class HolidayCalendar {
public:
    HolidayCalendar() = default;
    // The holidays it gives point into it: it moves but is not copied.
    HolidayCalendar(const HolidayCalendar&) = delete;
    HolidayCalendar& operator=(const HolidayCalendar&) = delete;
    HolidayCalendar(HolidayCalendar&&) = default;
    HolidayCalendar& operator=(HolidayCalendar&&) = default;
    ~HolidayCalendar() = default;

    // The user's changes, applied over the rules' holidays: a removal takes away every holiday
    // the rules give on that date (a substitute already placed for it stays where it is); an
    // addition is a 임시공휴일 with a CP949 name. Additions may lie in any year.
    void AddUserHoliday(CivilDate date, std::string name);
    void RemoveHolidaysOn(CivilDate date);

    // The holidays of a year in date order (several may share a date: 2025-05-05).
    std::vector<Holiday> HolidaysOfYear(int year) const;
    // The holidays on one date, or within from..to (both included), in date order.
    std::vector<Holiday> HolidaysOn(CivilDate date) const;
    std::vector<Holiday> HolidaysBetween(CivilDate from, CivilDate to) const;

    // A Sunday (the decree's first holiday) or a date with a listed holiday.
    bool IsPublicHoliday(CivilDate date) const;
    // Neither a Saturday nor a public holiday.
    bool IsWorkingDay(CivilDate date) const;
    // How many dates from day number first to last (both included, see DayNumber) are Monday
    // to Friday and hold a holiday.
    std::int64_t WeekdayHolidayDates(std::int64_t first, std::int64_t last) const;

private:
    struct Built {
        std::vector<Holiday> holidays;                 // date order
        std::vector<std::int64_t> weekdayHolidayDays;  // ascending, distinct
    };
    const Built& Get() const;

    struct Addition {
        CivilDate date;
        std::string name;
    };
    // A vector's move keeps its elements in place, so the names the built holidays point at
    // stay valid when the calendar moves.
    std::vector<Addition> additions_;
    std::vector<CivilDate> removals_;
    mutable std::optional<Built> built_;
};
