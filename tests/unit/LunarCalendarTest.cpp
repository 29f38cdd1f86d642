// The lunar calendar on its whole range, on dates the Korea Astronomy and Space Science
// Institute's converters give, and the customs of keeping a lunar date every year.
#include "calendar/KoreanLunarCalendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>

#include "Cp949.h"

static void PrintTo(const LunarDate& date, std::ostream* os) {
    *os << date.year << "-" << (date.leap ? "L" : "") << date.month << "-" << date.day;
}

namespace {

TEST(LunarCalendar, EveryDayOfTheRangeConvertsToLunarAndBack) {
    for (std::int64_t day = DayNumber(kLunarRangeFirstSolar);
         day <= DayNumber(kLunarRangeLastSolar); ++day) {
        const CivilDate solar = *DateOfDayNumber(day);
        const std::optional<LunarDate> lunar = ToLunar(solar);
        ASSERT_TRUE(lunar.has_value()) << day;
        const SolarOfLunar back = ToSolar(*lunar);
        ASSERT_EQ(back.error, LunarDateError::None) << testing::PrintToString(*lunar);
        ASSERT_EQ(back.solar, solar) << testing::PrintToString(*lunar);
    }
    // Each year starts the day after the last day of the year before.
    for (int year = kLunarRangeFirst.year + 1; year <= kLunarRangeLast.year; ++year) {
        const bool leapLast = LeapMonthOf(year - 1) == 12;
        const int lastDay = LunarMonthLength(year - 1, 12, leapLast).value_or(0);
        EXPECT_EQ(DayNumber(ToSolar({year, 1, 1, false}).solar),
                  DayNumber(ToSolar({year - 1, 12, lastDay, leapLast}).solar) + 1)
            << year;
    }
    EXPECT_EQ(ToLunar(kLunarRangeFirstSolar), kLunarRangeFirst);
    EXPECT_EQ(ToLunar(kLunarRangeLastSolar), kLunarRangeLast);
    EXPECT_FALSE(ToLunar({1900, 1, 30}).has_value());
    EXPECT_FALSE(ToLunar({2051, 1, 1}).has_value());
}

TEST(LunarCalendar, LeapMonthsAndDatesAreTheAstronomyInstitutes) {
    EXPECT_EQ(LeapMonthOf(2020), 4);
    EXPECT_EQ(LeapMonthOf(2023), 2);
    EXPECT_EQ(LeapMonthOf(2025), 6);
    EXPECT_EQ(LeapMonthOf(2026), 0);
    EXPECT_EQ(LeapMonthOf(2033), 11);
    EXPECT_EQ(ToLunar({2020, 5, 23}), (LunarDate{2020, 4, 1, true}));
    EXPECT_EQ(ToLunar({2023, 3, 22}), (LunarDate{2023, 2, 1, true}));
    EXPECT_EQ(ToLunar({2025, 7, 25}), (LunarDate{2025, 6, 1, true}));
    EXPECT_EQ(ToLunar({2033, 12, 22}), (LunarDate{2033, 11, 1, true}));
    EXPECT_EQ(ToLunar({2026, 12, 9}), (LunarDate{2026, 11, 1, false}));
    EXPECT_EQ(LunarMonthLength(2026, 2, false), 29);
    EXPECT_EQ(LunarMonthLength(2026, 6, false), 30);
    EXPECT_EQ(LunarMonthLength(2050, 11, false), std::nullopt);  // the range ends on its 18th
}

TEST(LunarCalendar, ALunarDateWithoutASolarOneSaysWhatIsMissing) {
    EXPECT_EQ(ToSolar({2026, 2, 30, false}).error, LunarDateError::NoSuchDay);
    EXPECT_EQ(ToSolar({2026, 2, 0, false}).error, LunarDateError::NoSuchDay);
    EXPECT_EQ(ToSolar({2026, 3, 1, true}).error, LunarDateError::NoSuchLeapMonth);
    EXPECT_EQ(ToSolar({2025, 5, 1, true}).error, LunarDateError::NoSuchLeapMonth);
    EXPECT_EQ(ToSolar({1899, 12, 1, false}).error, LunarDateError::OutOfRange);
    EXPECT_EQ(ToSolar({2050, 11, 19, false}).error, LunarDateError::OutOfRange);
    EXPECT_EQ(ToSolar({2050, 11, 30, false}).error, LunarDateError::OutOfRange);
    EXPECT_EQ(ToSolar({2026, 13, 1, false}).error, LunarDateError::OutOfRange);
    EXPECT_EQ(ToSolar({2026, 2, 29, false}).solar, (CivilDate{2026, 4, 16}));
}

TEST(LunarCalendar, ALunarDateIsKeptEveryYearByCustom) {
    // A 30th in a 29-day month on its 29th.
    EXPECT_EQ(LunarAnniversary({2024, 2, 30, false}, 2024), (CivilDate{2024, 4, 8}));
    EXPECT_EQ(LunarAnniversary({2024, 2, 30, false}, 2026), (CivilDate{2026, 4, 16}));
    EXPECT_EQ(LunarAnniversary({2025, 6, 30, false}, 2026), (CivilDate{2026, 8, 12}));
    // A day of 윤6월 in the leap month where the year has one, else in 6월.
    EXPECT_EQ(LunarAnniversary({2025, 6, 10, true}, 2025), (CivilDate{2025, 8, 3}));
    EXPECT_EQ(LunarAnniversary({2025, 6, 10, true}, 2026), (CivilDate{2026, 7, 23}));
    EXPECT_EQ(LunarAnniversary({2025, 6, 10, true}, 2036), (CivilDate{2036, 8, 1}));
    EXPECT_EQ(LunarAnniversary({2000, 12, 1, false}, 2050), std::nullopt);
    EXPECT_EQ(LunarAnniversary({2000, 1, 1, false}, 2051), std::nullopt);
}

TEST(LunarCalendar, NamesYearsAndDaysInTheSixtyCycle) {
    EXPECT_EQ(CycleName(YearCycle(1984)), Cp949(u8"갑자"));
    EXPECT_EQ(CycleName(YearCycle(2026)), Cp949(u8"병오"));
    EXPECT_EQ(CycleName(YearCycle(2043)), Cp949(u8"계해"));
    EXPECT_EQ(ZodiacAnimal(1984), Cp949(u8"쥐"));
    EXPECT_EQ(ZodiacAnimal(2022), Cp949(u8"호랑이"));
    EXPECT_EQ(ZodiacAnimal(2026), Cp949(u8"말"));
    EXPECT_EQ(CycleName(DayCycle({2000, 1, 1})), Cp949(u8"무오"));
    EXPECT_EQ(CycleName(DayCycle({2026, 12, 9})), Cp949(u8"정사"));
    EXPECT_EQ(CycleName(DayCycle({1900, 1, 30})), Cp949(u8"계묘"));  // before the range
}

}  // namespace
