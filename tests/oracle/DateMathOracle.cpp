#include "tests/oracle/DateMathOracle.h"

#include <chrono>

namespace {

using namespace std::chrono;

year_month_day Ymd(CivilDate date) {
    return year{date.year} / month{static_cast<unsigned>(date.month)} /
           day{static_cast<unsigned>(date.day)};
}

std::optional<CivilDate> InRange(sys_days date) {
    const year_month_day ymd{date};
    if (ymd.year() < year{1} || ymd.year() > year{9999}) return std::nullopt;
    return CivilDate{static_cast<int>(ymd.year()), static_cast<int>(unsigned{ymd.month()}),
                     static_cast<int>(unsigned{ymd.day()})};
}

// The date moved by whole months, a day the target month lacks becoming its last day.
sys_days PlusMonthsClamped(year_month_day date, int count) {
    const year_month_day moved = date + months{count};
    return moved.ok() ? sys_days{moved} : sys_days{moved.year() / moved.month() / last};
}

// The last day of a period of `count` months that holds its first day `date`: the day before
// the same day `count` months on, or, where that month lacks the day, its last day.
sys_days LastDayOfMonths(year_month_day date, int count) {
    const year_month_day moved = date + months{count};
    return moved.ok() ? sys_days{moved} - days{1} : sys_days{moved.year() / moved.month() / last};
}

}  // namespace

std::optional<CivilDate> ExpectedShift(CivilDate base, std::int64_t amount, PeriodUnit unit,
                                       Direction direction, bool includeStart) {
    if (amount < 0) return std::nullopt;  // not a period
    if (amount == 0) return base;
    const int sign = direction == Direction::After ? 1 : -1;
    const year_month_day ymd = Ymd(base);
    if (unit == PeriodUnit::Days || unit == PeriodUnit::Weeks) {
        // No shift by more than 4 million days can stay within years 1..9999.
        if (amount > 4'000'000) return std::nullopt;
        const std::int64_t count = unit == PeriodUnit::Weeks ? amount * 7 : amount;
        if (count > 4'000'000) return std::nullopt;
        const int step = static_cast<int>(includeStart ? count - 1 : count);
        return InRange(sys_days{ymd} + days{sign * step});
    }
    // Nor a shift by more than 20,000 years.
    if (amount > 20'000 && (unit == PeriodUnit::Years || amount > 240'000)) return std::nullopt;
    const int count = static_cast<int>(unit == PeriodUnit::Years ? amount * 12 : amount);
    if (!includeStart) return InRange(PlusMonthsClamped(ymd, sign * count));
    if (direction == Direction::After) return InRange(LastDayOfMonths(ymd, count));
    return InRange(PlusMonthsClamped(ymd, -count) + days{1});
}

YearsMonthsDays ExpectedBreakDown(CivilDate from, CivilDate to, bool includeStart) {
    const year_month_day start = Ymd(from);
    const sys_days end{Ymd(to)};
    auto passed = [&](int count) {
        return includeStart ? LastDayOfMonths(start, count) : PlusMonthsClamped(start, count);
    };
    int count = 0;
    while (passed(count + 1) <= end) ++count;
    return {count / 12, count % 12, static_cast<int>((end - passed(count)).count())};
}

std::optional<Age> ExpectedAge(CivilDate birth, CivilDate on) {
    const year_month_day born = Ymd(birth);
    const sys_days today{Ymd(on)};
    if (today < sys_days{born}) return std::nullopt;
    // A month older the day after the month counted from the birth day has ended.
    auto olderOn = [&](int count) { return LastDayOfMonths(born, count) + days{1}; };
    int count = 0;
    while (olderOn(count + 1) <= today) ++count;
    const int years = count / 12;
    const sys_days next = olderOn((years + 1) * 12);
    const std::optional<CivilDate> nextDate = InRange(next);
    if (!nextDate) return std::nullopt;
    return Age{years, count % 12, *nextDate, (next - today).count()};
}
