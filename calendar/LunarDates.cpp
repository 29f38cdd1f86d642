// Written by scripts/lunar-dates.sh from the converters korean-lunar-calendar and kor-lunar
// (both from the Korea Astronomy and Space Science Institute's tables), which agree on every
// date below. Do not edit; run the script.
#include "calendar/LunarDates.h"

#include <iterator>

namespace {

struct MonthDay {
    int month;
    int day;
};

struct LunarYear {
    int year;
    MonthDay seollal;  // 음력 1월 1일
    MonthDay buddha;   // 음력 4월 8일
    MonthDay chuseok;  // 음력 8월 15일
};

// clang-format off
constexpr LunarYear kLunarYears[] = {
    {1990, { 1, 27}, { 5,  2}, {10,  3}},
    {1991, { 2, 15}, { 5, 21}, { 9, 22}},
    {1992, { 2,  4}, { 5, 10}, { 9, 11}},
    {1993, { 1, 23}, { 5, 28}, { 9, 30}},
    {1994, { 2, 10}, { 5, 18}, { 9, 20}},
    {1995, { 1, 31}, { 5,  7}, { 9,  9}},
    {1996, { 2, 19}, { 5, 24}, { 9, 27}},
    {1997, { 2,  8}, { 5, 14}, { 9, 16}},
    {1998, { 1, 28}, { 5,  3}, {10,  5}},
    {1999, { 2, 16}, { 5, 22}, { 9, 24}},
    {2000, { 2,  5}, { 5, 11}, { 9, 12}},
    {2001, { 1, 24}, { 5,  1}, {10,  1}},
    {2002, { 2, 12}, { 5, 19}, { 9, 21}},
    {2003, { 2,  1}, { 5,  8}, { 9, 11}},
    {2004, { 1, 22}, { 5, 26}, { 9, 28}},
    {2005, { 2,  9}, { 5, 15}, { 9, 18}},
    {2006, { 1, 29}, { 5,  5}, {10,  6}},
    {2007, { 2, 18}, { 5, 24}, { 9, 25}},
    {2008, { 2,  7}, { 5, 12}, { 9, 14}},
    {2009, { 1, 26}, { 5,  2}, {10,  3}},
    {2010, { 2, 14}, { 5, 21}, { 9, 22}},
    {2011, { 2,  3}, { 5, 10}, { 9, 12}},
    {2012, { 1, 23}, { 5, 28}, { 9, 30}},
    {2013, { 2, 10}, { 5, 17}, { 9, 19}},
    {2014, { 1, 31}, { 5,  6}, { 9,  8}},
    {2015, { 2, 19}, { 5, 25}, { 9, 27}},
    {2016, { 2,  8}, { 5, 14}, { 9, 15}},
    {2017, { 1, 28}, { 5,  3}, {10,  4}},
    {2018, { 2, 16}, { 5, 22}, { 9, 24}},
    {2019, { 2,  5}, { 5, 12}, { 9, 13}},
    {2020, { 1, 25}, { 4, 30}, {10,  1}},
    {2021, { 2, 12}, { 5, 19}, { 9, 21}},
    {2022, { 2,  1}, { 5,  8}, { 9, 10}},
    {2023, { 1, 22}, { 5, 27}, { 9, 29}},
    {2024, { 2, 10}, { 5, 15}, { 9, 17}},
    {2025, { 1, 29}, { 5,  5}, {10,  6}},
    {2026, { 2, 17}, { 5, 24}, { 9, 25}},
    {2027, { 2,  7}, { 5, 13}, { 9, 15}},
    {2028, { 1, 27}, { 5,  2}, {10,  3}},
    {2029, { 2, 13}, { 5, 20}, { 9, 22}},
    {2030, { 2,  3}, { 5,  9}, { 9, 12}},
    {2031, { 1, 23}, { 5, 28}, {10,  1}},
    {2032, { 2, 11}, { 5, 16}, { 9, 19}},
    {2033, { 1, 31}, { 5,  6}, { 9,  8}},
    {2034, { 2, 19}, { 5, 25}, { 9, 27}},
    {2035, { 2,  8}, { 5, 15}, { 9, 16}},
    {2036, { 1, 28}, { 5,  3}, {10,  4}},
    {2037, { 2, 15}, { 5, 22}, { 9, 24}},
    {2038, { 2,  4}, { 5, 11}, { 9, 13}},
    {2039, { 1, 24}, { 4, 30}, {10,  2}},
    {2040, { 2, 12}, { 5, 18}, { 9, 21}},
    {2041, { 2,  1}, { 5,  7}, { 9, 10}},
    {2042, { 1, 22}, { 5, 26}, { 9, 28}},
    {2043, { 2, 10}, { 5, 16}, { 9, 17}},
    {2044, { 1, 30}, { 5,  5}, {10,  5}},
    {2045, { 2, 17}, { 5, 24}, { 9, 25}},
    {2046, { 2,  6}, { 5, 13}, { 9, 15}},
    {2047, { 1, 26}, { 5,  2}, {10,  4}},
    {2048, { 2, 14}, { 5, 20}, { 9, 22}},
    {2049, { 2,  2}, { 5,  9}, { 9, 11}},
    {2050, { 1, 23}, { 5, 28}, { 9, 30}},
};
// clang-format on

constexpr int kFirstYear = 1990;
constexpr int kLastYear = 2050;

// One row a year, in order, with none missing.
constexpr int kRows = static_cast<int>(std::size(kLunarYears));
static_assert(kRows == kLastYear - kFirstYear + 1);
constexpr bool RowsInYearOrder() {
    for (int row = 0; row < kRows; ++row) {
        if (kLunarYears[row].year != kFirstYear + row) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInYearOrder());

CivilDate On(int year, MonthDay monthDay) {
    return {year, monthDay.month, monthDay.day};
}

}  // namespace

std::optional<LunarHolidayDates> LunarHolidayDatesOf(int year) {
    if (year < kFirstYear || year > kLastYear) {
        return std::nullopt;
    }
    const LunarYear& entry = kLunarYears[year - kFirstYear];
    return LunarHolidayDates{On(entry.year, entry.seollal), On(entry.year, entry.buddha),
                             On(entry.year, entry.chuseok)};
}
