// Calendar rules and the date-span calculation: pure functions, no window, no state.
#pragma once

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

CalcOutcome CalcDateSpan(int startYear, int startMonth, int startDay, int endYear, int endMonth,
                         int endDay);
bool IsLeapYear(int year);
