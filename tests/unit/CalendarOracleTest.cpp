// Compares the date-span calculation with an independent oracle built on the standard civil
// calendar: every date of the boundary years against partners around them, and a large sample
// of random pairs from a fixed seed.
#include "calendar/Data_Day.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/oracle/DateSpanOracle.h"
#include "DatePair.h"

namespace {

// Runs every pair through both and reports the first few disagreements, and on destruction
// the total: one report per object, so it is not copied.
class Differential {
public:
    Differential() = default;
    Differential(const Differential&) = delete;
    Differential& operator=(const Differential&) = delete;

    void Check(const Dates& d) {
        ++checked_;
        const CalcOutcome actual =
            CalcDateSpan(d.startYear, d.startMonth, d.startDay, d.endYear, d.endMonth, d.endDay);
        const CalcOutcome expected = ExpectedDateSpan(d.startYear, d.startMonth, d.startDay,
                                                      d.endYear, d.endMonth, d.endDay);
        const bool validated =
            !ValidateDates(d.startYear, d.startMonth, d.startDay, d.endYear, d.endMonth, d.endDay)
                 .has_value();
        if (actual.valid == expected.valid && validated == expected.valid &&
            actual.text == expected.text && actual.focus == expected.focus &&
            (!expected.valid || actual.days == expected.days)) {
            return;
        }
        if (++mismatches_ <= 10) {
            const auto focus = [](const std::optional<FieldId>& f) {
                return f ? std::to_string(static_cast<int>(*f)) : std::string("none");
            };
            ADD_FAILURE() << Describe(d) << ": valid " << actual.valid << "/" << expected.valid
                          << ", validated " << validated << ", days " << actual.days << "/"
                          << expected.days << ", focus " << focus(actual.focus) << "/"
                          << focus(expected.focus) << ", text "
                          << (actual.text == expected.text ? "equal" : "differs")
                          << " (actual/expected)";
        }
    }

    ~Differential() { EXPECT_EQ(mismatches_, 0) << "of " << checked_ << " pairs"; }

private:
    long checked_ = 0;
    long mismatches_ = 0;
};

struct Date {
    int year, month, day;
};

TEST(DateSpanAgainstCivilCalendar, AgreesOnEveryDateOfTheBoundaryYears) {
    const int boundaryYears[] = {1, 2, 4, 100, 400, 1900, 2000, 2100, 9999};
    Differential differential;
    for (const int y : boundaryYears) {
        // Every month and day of the year, with the out-of-range neighbours.
        std::vector<Date> everyDay;
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) everyDay.push_back({y, month, day});
        }
        // Month starts and ends in the year before, the year itself and the year after.
        std::vector<Date> partners;
        for (int year = y - 1; year <= y + 1; ++year) {
            for (int month = 1; month <= 12; ++month) {
                // cppcheck-suppress useStlAlgorithm ; one of three nested loops, plainer as a loop
                for (const int day : {1, 28, 29, 30, 31}) partners.push_back({year, month, day});
            }
        }
        for (const Date& a : everyDay) {
            for (const Date& b : partners) {
                differential.Check({a.year, a.month, a.day, b.year, b.month, b.day});
                differential.Check({b.year, b.month, b.day, a.year, a.month, a.day});
            }
        }
    }
}

TEST(DateSpanAgainstCivilCalendar, AgreesOnRandomPairs) {
    std::mt19937 engine(20091231);
    // Multiply-shift mapping of the engine's 32 bits, the same on every platform.
    const auto uniform = [&engine](int low, int high) {
        const auto span = static_cast<std::uint64_t>(std::int64_t{high} - low + 1);
        return low + static_cast<int>((engine() * span) >> 32);
    };
    const auto randomDate = [&uniform] {
        return Date{uniform(-1, 10001), uniform(0, 13), uniform(0, 32)};
    };
    Differential differential;
    for (int i = 0; i < 200000; ++i) {
        const Date start = randomDate();
        Date end = randomDate();
        switch (uniform(0, 3)) {  // also pairs that differ only in later fields
            case 1:
                end.year = start.year;
                break;
            case 2:
                end.year = start.year;
                end.month = start.month;
                break;
            case 3:
                end.year = start.year + uniform(-1, 1);
                break;
            default:
                break;
        }
        differential.Check({start.year, start.month, start.day, end.year, end.month, end.day});
    }
}

}  // namespace
