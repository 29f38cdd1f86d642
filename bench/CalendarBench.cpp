// Cost of one date-span calculation (checks, count and sentence), beside a bare closed-form
// count of the same span.
#include <benchmark/benchmark.h>

#include "calendar/Data_Day.h"

namespace {

struct Dates {
    int startYear, startMonth, startDay, endYear, endMonth, endDay;
};

// The longest span the form accepts, and a span of a year and a half.
constexpr Dates kLongest = {1, 1, 1, 9999, 12, 31};
constexpr Dates kTypical = {2009, 3, 15, 2010, 8, 20};

// Day number of a proleptic Gregorian date (1970-01-01 is 0), in closed form: years counted
// from March so that the leap day ends the year.
int DaysFromCivil(int year, int month, int day) {
    if (month <= 2) --year;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Benchmarks take a non-const State: its iteration is non-const.
// cppcheck-suppress constParameterCallback
void CalcDateSpanCall(benchmark::State& state, Dates dates) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(dates);
        benchmark::DoNotOptimize(CalcDateSpan(dates.startYear, dates.startMonth, dates.startDay,
                                              dates.endYear, dates.endMonth, dates.endDay));
    }
}

// cppcheck-suppress constParameterCallback
void ClosedFormCount(benchmark::State& state, Dates dates) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(dates);
        benchmark::DoNotOptimize(DaysFromCivil(dates.endYear, dates.endMonth, dates.endDay) -
                                 DaysFromCivil(dates.startYear, dates.startMonth, dates.startDay));
    }
}

BENCHMARK_CAPTURE(CalcDateSpanCall, longest, kLongest);
BENCHMARK_CAPTURE(ClosedFormCount, longest, kLongest);
BENCHMARK_CAPTURE(CalcDateSpanCall, typical, kTypical);
BENCHMARK_CAPTURE(ClosedFormCount, typical, kTypical);

}  // namespace
