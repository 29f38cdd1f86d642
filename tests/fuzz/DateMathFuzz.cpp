// Fuzzes the date tools' arithmetic: for any base date and any amount, unit, direction and rule,
// ShiftDate gives the std::chrono oracle's date or, like it, nothing outside years 1..9999 (and
// nothing for a date that does not exist). The period breakdown and the age from the base date
// to a later date are compared with the oracle as well.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>

#include "calendar/DateMath.h"
#include "tests/oracle/DateMathOracle.h"
#include "tests/fuzz/ByteReader.h"

namespace {

// Years cluster at the ends of the range and the century leap rule; months and days include
// values one past their limits, so that dates that do not exist are reached too.
CivilDate PickDate(ByteReader& in) {
    static const int kCenturies[] = {100, 400, 1600, 1700, 1900, 2000, 2100, 2400, 9600};
    int year = 0;
    switch (in.Byte() % 4) {
        case 0:
            year = in.InRange(0, 3);
            break;
        case 1:
            year = in.InRange(9996, 10000);
            break;
        case 2:
            year = kCenturies[in.Byte() % std::size(kCenturies)] + in.InRange(-1, 1);
            break;
        default:
            year = in.InRange(1, 9999);
            break;
    }
    const int month = in.Byte() % 32 == 0 ? in.InRange(0, 13) : in.InRange(1, 12);
    const uint8_t kind = in.Byte() % 8;
    const int day = kind == 0  ? in.InRange(0, 32)
                    : kind < 4 ? in.InRange(27, 31)
                               : in.InRange(1, 31);
    return {year, month, day};
}

// Amounts cluster where a month or the range ends; sometimes any 64-bit value.
int64_t PickAmount(ByteReader& in) {
    static const int64_t kLimits[] = {9998, 9999, 10000, 119988, 120000, 521722, 3652058, 9999999};
    switch (in.Byte() % 4) {
        case 0:
            return kLimits[in.Byte() % std::size(kLimits)] + in.InRange(-2, 2);
        case 1:
            return static_cast<int64_t>(in.Bits(8));
        case 2:
            return in.InRange(0, 65535);
        default:
            return in.InRange(0, 70);
    }
}

[[noreturn]] void Fail(const char* what, CivilDate base, int64_t amount, CivilDate other = {}) {
    std::fprintf(stderr, "date_math_fuzz: %s for %d-%d-%d and %lld (%d-%d-%d)\n", what, base.year,
                 base.month, base.day, static_cast<long long>(amount), other.year, other.month,
                 other.day);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    const CivilDate base = PickDate(in);
    const int64_t amount = PickAmount(in);
    const auto unit = static_cast<PeriodUnit>(in.Byte() % 4);
    const Direction direction = in.Byte() % 2 == 0 ? Direction::After : Direction::Before;
    const bool includeStart = in.Byte() % 2 == 1;

    const std::optional<CivilDate> got = ShiftDate(base, amount, unit, direction, includeStart);
    if (!IsValidDate(base)) {
        if (got) Fail("a date from a date that does not exist", base, amount);
        return 0;
    }
    const std::optional<CivilDate> expected =
        ExpectedShift(base, amount, unit, direction, includeStart);
    if (got != expected) Fail("shift differs", base, amount, got.value_or(CivilDate{}));

    // A later date within a few years, for the breakdown and the age.
    const std::optional<CivilDate> later = DateOfDayNumber(DayNumber(base) + in.InRange(0, 1500));
    if (!later) return 0;
    if (BreakDownPeriod(base, *later, includeStart) !=
        ExpectedBreakDown(base, *later, includeStart))
        Fail("breakdown differs", base, amount, *later);
    if (AgeOn(base, *later) != ExpectedAge(base, *later)) Fail("age differs", base, amount, *later);
    return 0;
}
