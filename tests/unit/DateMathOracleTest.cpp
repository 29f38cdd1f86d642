// Compares the date tools' arithmetic with an independent oracle on the standard civil calendar:
// every base date of whole years at the ends of the range and around leap-day rules, moved by
// every amount that crosses a month end and by amounts at and past the range's limits.
#include "calendar/DateMath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "tests/oracle/DateMathOracle.h"

namespace {

std::vector<CivilDate> EveryDateOf(int year) {
    std::vector<CivilDate> dates;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day)
            dates.push_back({year, month, day});
    }
    return dates;
}

// Amounts of each unit: every one up to past two month ends (and a leap cycle of years), then
// the limits of the range and far beyond it.
std::vector<std::int64_t> AmountsOf(PeriodUnit unit) {
    const int small[] = {62, 10, 25, 9};
    std::vector<std::int64_t> amounts;
    for (int amount = 0; amount <= small[static_cast<int>(unit)]; ++amount)
        amounts.push_back(amount);
    amounts.insert(amounts.end(), {400, 9998, 9999, 10000, 119988, 120000, 521722, 3652058, 3652059,
                                   9999999, std::numeric_limits<std::int64_t>::max()});
    return amounts;
}

// Reports the first few disagreements and records the number of checks in the test's result.
class Tally {
public:
    Tally() = default;
    Tally(const Tally&) = delete;
    Tally& operator=(const Tally&) = delete;
    template <typename Describe>
    void Count(bool agrees, Describe describe) {
        ++checked_;
        if (!agrees && ++mismatches_ <= 10) ADD_FAILURE() << describe();
    }
    ~Tally() {
        testing::Test::RecordProperty("checks", std::to_string(checked_));
        EXPECT_EQ(mismatches_, 0) << "of " << checked_ << " checks";
    }

private:
    long checked_ = 0;
    long mismatches_ = 0;
};

std::string Text(CivilDate date) {
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

constexpr int kSweepYears[] = {1, 1600, 2000, 2024, 9999};
constexpr PeriodUnit kUnits[] = {PeriodUnit::Days, PeriodUnit::Weeks, PeriodUnit::Months,
                                 PeriodUnit::Years};

TEST(DateMathAgainstCivilCalendar, ShiftsEveryDateOfTheSweepYears) {
    Tally tally;
    for (const int year : kSweepYears) {
        for (const CivilDate base : EveryDateOf(year)) {
            for (const PeriodUnit unit : kUnits) {
                for (const std::int64_t amount : AmountsOf(unit)) {
                    for (const Direction direction : {Direction::After, Direction::Before}) {
                        for (const bool includeStart : {false, true}) {
                            const auto actual =
                                ShiftDate(base, amount, unit, direction, includeStart);
                            const auto expected =
                                ExpectedShift(base, amount, unit, direction, includeStart);
                            tally.Count(actual == expected, [&] {
                                return Text(base) + " by " + std::to_string(amount) + " unit " +
                                       std::to_string(static_cast<int>(unit)) + " dir " +
                                       std::to_string(static_cast<int>(direction)) + " incl " +
                                       (includeStart ? "1" : "0") + ": " +
                                       (actual ? Text(*actual) : "none") + " / " +
                                       (expected ? Text(*expected) : "none");
                            });
                        }
                    }
                }
            }
        }
    }
}

// Periods from each date of the sweep years to the dates up to two month ends later and around
// one and four years later, and the age on those dates of a person born on the first.
TEST(DateMathAgainstCivilCalendar, BreaksDownPeriodsAndAgesFromEveryDateOfTheSweepYears) {
    std::vector<int> offsets = {364, 365, 366, 1460, 1461, 1462};
    for (int days = 0; days <= 62; ++days) offsets.push_back(days);
    Tally tally;
    for (const int year : kSweepYears) {
        for (const CivilDate from : EveryDateOf(year)) {
            for (const int offset : offsets) {
                const auto to = DateOfDayNumber(DayNumber(from) + offset);
                if (!to) continue;
                for (const bool includeStart : {false, true}) {
                    tally.Count(BreakDownPeriod(from, *to, includeStart) ==
                                    ExpectedBreakDown(from, *to, includeStart),
                                [&] { return Text(from) + " .. " + Text(*to); });
                }
                tally.Count(AgeOn(from, *to) == ExpectedAge(from, *to),
                            [&] { return "born " + Text(from) + " on " + Text(*to); });
            }
        }
    }
}

}  // namespace
