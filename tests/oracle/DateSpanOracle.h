// An independent reading of the date-span rules on std::chrono civil dates, for the tests and
// the fuzzer to compare CalcDateSpan against.
#pragma once

#include "calendar/Data_Day.h"

// The outcome the calculation must give, texts in CP949.
CalcOutcome ExpectedDateSpan(int startYear, int startMonth, int startDay, int endYear, int endMonth,
                             int endDay);
