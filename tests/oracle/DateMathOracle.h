// An independent reading of the date-tool rules on std::chrono civil dates, for the tests and
// the fuzzer to compare the date arithmetic against.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/DateMath.h"

// What ShiftDate must give.
std::optional<CivilDate> ExpectedShift(CivilDate base, std::int64_t amount, PeriodUnit unit,
                                       Direction direction, bool includeStart);
// What BreakDownPeriod must give, from <= to.
YearsMonthsDays ExpectedBreakDown(CivilDate from, CivilDate to, bool includeStart);
// What AgeOn must give.
std::optional<Age> ExpectedAge(CivilDate birth, CivilDate on);
