#include "calendar/KoreanLunarCalendar.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "calendar/LunarYearTable.h"

namespace {

using lunar_table::kYears;
using LunarYear = lunar_table::Year;

constexpr int kFirstYear = lunar_table::kFirstYear;
constexpr int kLastYear = kFirstYear + static_cast<int>(std::size(kYears)) - 1;
constexpr int kMonthsPerYear = 12;
constexpr int kCycleLength = 60;

static_assert(kFirstYear == kLunarRangeFirst.year && kLastYear == kLunarRangeLast.year);
static_assert(kLunarRangeFirstSolar.month == 1 &&
              kYears[0].newYearDay == kLunarRangeFirstSolar.day - 1);
static_assert(lunar_table::kLastSolar[0] == kLunarRangeLastSolar.year &&
              lunar_table::kLastSolar[1] == kLunarRangeLastSolar.month &&
              lunar_table::kLastSolar[2] == kLunarRangeLastSolar.day);

const LunarYear* RowOf(int year) {
    return year < kFirstYear || year > kLastYear ? nullptr : &kYears[year - kFirstYear];
}

int MonthCount(const LunarYear& row) {
    return row.leapMonth != 0 ? kMonthsPerYear + 1 : kMonthsPerYear;
}

// Days of the year's month at a position (0 = 1월; a leap month follows its regular month).
int LengthAt(const LunarYear& row, int position) {
    return (row.monthLengths >> (kMonthsPerYear - position)) & 1 ? 30 : 29;
}

std::int64_t NewYearDay(int year) {
    return DayNumber({year, 1, 1}) + RowOf(year)->newYearDay;
}

std::int64_t LastDay() {
    return DayNumber(kLunarRangeLastSolar);
}

// The position of a month among its year's months (0 = 1월; a leap month follows its regular
// month); nothing for a month the year lacks.
std::optional<int> PositionOf(const LunarYear& row, int month, bool leap) {
    if (month < 1 || month > kMonthsPerYear || (leap && row.leapMonth != month)) {
        return std::nullopt;
    }
    const bool afterLeap = row.leapMonth != 0 && (leap || month > row.leapMonth);
    return month - 1 + (afterLeap ? 1 : 0);
}

// The day number of the first day of the year's month at a position.
std::int64_t FirstDayAt(int year, int position) {
    std::int64_t firstDay = NewYearDay(year);
    for (int before = 0; before < position; ++before) firstDay += LengthAt(*RowOf(year), before);
    return firstDay;
}

// "갑을병정무기경신임계", the ten stems, and "자축인묘진사오미신유술해", the twelve branches: two
// bytes each.
constexpr char kStems[] =
    "\xB0\xA9\xC0\xBB\xBA\xB4\xC1\xA4\xB9\xAB\xB1\xE2\xB0\xE6\xBD\xC5\xC0\xD3"
    "\xB0\xE8";
constexpr char kBranches[] =
    "\xC0\xDA\xC3\xE0\xC0\xCE\xB9\xA6\xC1\xF8\xBB\xE7\xBF\xC0\xB9\xCC\xBD\xC5\xC0\xAF\xBC\xFA"
    "\xC7\xD8";

// The branches' animals, in the branches' order.
constexpr const char* kAnimals[] = {
    "\xC1\xE3",                  // 쥐
    "\xBC\xD2",                  // 소
    "\xC8\xA3\xB6\xFB\xC0\xCC",  // 호랑이
    "\xC5\xE4\xB3\xA2",          // 토끼
    "\xBF\xEB",                  // 용
    "\xB9\xEC",                  // 뱀
    "\xB8\xBB",                  // 말
    "\xBE\xE7",                  // 양
    "\xBF\xF8\xBC\xFE\xC0\xCC",  // 원숭이
    "\xB4\xDF",                  // 닭
    "\xB0\xB3",                  // 개
    "\xB5\xC5\xC1\xF6",          // 돼지
};

// The cycle index of `steps` after `first`, for any sign of steps.
int CycleAfter(int first, std::int64_t steps) {
    const auto index = (first + steps) % kCycleLength;
    return static_cast<int>(index < 0 ? index + kCycleLength : index);
}

}  // namespace

std::optional<LunarDate> ToLunar(CivilDate solar) {
    if (!IsValidDate(solar)) return std::nullopt;
    const std::int64_t day = DayNumber(solar);
    if (day < DayNumber(kLunarRangeFirstSolar) || day > LastDay()) return std::nullopt;
    // The lunar new year falls in January or February, so the lunar year is the solar one or the
    // one before.
    int year = solar.year;
    if (day < NewYearDay(year)) --year;
    const LunarYear& row = *RowOf(year);
    std::int64_t rest = day - NewYearDay(year);
    int position = 0;
    while (position + 1 < MonthCount(row) && rest >= LengthAt(row, position)) {
        rest -= LengthAt(row, position);
        ++position;
    }
    const bool afterLeap = row.leapMonth != 0 && position >= row.leapMonth;
    return LunarDate{year, position + 1 - (afterLeap ? 1 : 0), static_cast<int>(rest) + 1,
                     row.leapMonth != 0 && position == row.leapMonth};
}

// The range's end is checked before the month's length: the length of the last month it holds
// in part is unknown.
SolarOfLunar ToSolar(LunarDate lunar) {
    const LunarYear* row = RowOf(lunar.year);
    if (!row || lunar.month < 1 || lunar.month > kMonthsPerYear) {
        return {LunarDateError::OutOfRange, {}};
    }
    const std::optional<int> position = PositionOf(*row, lunar.month, lunar.leap);
    if (!position) return {LunarDateError::NoSuchLeapMonth, {}};
    if (lunar.day < 1 || lunar.day > 30) return {LunarDateError::NoSuchDay, {}};
    const std::int64_t day = FirstDayAt(lunar.year, *position) + lunar.day - 1;
    if (day > LastDay()) return {LunarDateError::OutOfRange, {}};
    if (lunar.day > LengthAt(*row, *position)) return {LunarDateError::NoSuchDay, {}};
    return {LunarDateError::None, *DateOfDayNumber(day)};
}

std::optional<int> LunarMonthLength(int year, int month, bool leap) {
    const LunarYear* row = RowOf(year);
    const std::optional<int> position = row ? PositionOf(*row, month, leap) : std::nullopt;
    if (!position) return std::nullopt;
    const int length = LengthAt(*row, *position);
    if (FirstDayAt(year, *position) + length - 1 > LastDay()) return std::nullopt;
    return length;
}

int LeapMonthOf(int lunarYear) {
    const LunarYear* row = RowOf(lunarYear);
    return row ? row->leapMonth : 0;
}

std::optional<CivilDate> LunarAnniversary(LunarDate date, int lunarYear) {
    const bool leap = date.leap && LeapMonthOf(lunarYear) == date.month;
    SolarOfLunar kept = ToSolar({lunarYear, date.month, date.day, leap});
    if (kept.error == LunarDateError::NoSuchDay && date.day == 30) {
        kept = ToSolar({lunarYear, date.month, 29, leap});
    }
    if (kept.error != LunarDateError::None) return std::nullopt;
    return kept.solar;
}

int YearCycle(int lunarYear) {
    return CycleAfter(lunar_table::kFirstYearCycle, std::int64_t{lunarYear} - kFirstYear);
}

int DayCycle(CivilDate solar) {
    return CycleAfter(lunar_table::kFirstDayCycle,
                      DayNumber(solar) - DayNumber(kLunarRangeFirstSolar));
}

std::string CycleName(int cycle) {
    const auto stem = static_cast<std::size_t>(cycle % 10);
    const auto branch = static_cast<std::size_t>(cycle % 12);
    return std::string(std::string_view(kStems).substr(2 * stem, 2)) +
           std::string(std::string_view(kBranches).substr(2 * branch, 2));
}

std::string ZodiacAnimal(int lunarYear) {
    return kAnimals[YearCycle(lunarYear) % 12];
}
