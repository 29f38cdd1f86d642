// Calendar rules and the date-span calculation: pure functions, no window, no state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The six date fields of the date form, in their tab order.
enum class FieldId { StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay };

// What Calculate shows: the day count and its sentence, or one error message (CP949 bytes)
// and, for the order errors, the field the user should correct.
struct CalcOutcome {
    bool valid;
    int days;
    std::string text;
    std::optional<FieldId> focus;
};

// The sentence of a day count (CP949): a printf format whose one %d is the count.
extern const char kResultFormat[];

CalcOutcome CalcDateSpan(int startYear, int startMonth, int startDay, int endYear, int endMonth,
                         int endDay);
bool IsLeapYear(int year);

// Days per month, indexed by month number 1..12. Entry 0 stands before January and is read
// when a month field is empty; each user of the table picks its own entry 0 and February.
using MonthLengthTable = std::array<std::int32_t, 13>;

// The checks of CalcDateSpan in their fixed order: the first failing check's outcome (message
// and focus), or nothing when both dates exist and the end date lies after the start date.
std::optional<CalcOutcome> ValidateDates(int startYear, int startMonth, int startDay, int endYear,
                                         int endMonth, int endDay);
