// Commands and clock of the date form. Reset and the two today buttons write the year fields
// first, which runs the year handlers inside the writes; their own focus move comes last, so it
// decides where the focus ends.
#include <cstdio>

#include "calendar/Data_Day.h"
#include "res/resource.h"
#include "ui/DateFormHandlers.h"
#include "ui/FieldNumber.h"
#include "ui/FormTexts.h"

using enum FieldId;

void DateFormHandlers::FillInitialLists() {
    for (int month = 1; month <= 12; ++month) {
        const std::string item = TwoColumnNumber(month);
        AddListItem(StartMonth, item);
        AddListItem(EndMonth, item);
    }
    for (int day = 1; day <= 31; ++day) {
        const std::string item = TwoColumnNumber(day);
        AddListItem(StartDay, item);
        AddListItem(EndDay, item);
    }
}

void DateFormHandlers::OnClockTick() {
    const LocalDate today = ReadToday();
    char line[64];
    std::snprintf(line, sizeof line, kTodayLineFormat, today.year, today.month, today.day);
    SetLineText(IDC_TODAY, line);
}

void DateFormHandlers::OnCalculate() {
    const int startYear = GetFieldInt(StartYear);
    const int startMonth = GetFieldInt(StartMonth);
    const int startDay = GetFieldInt(StartDay);
    const int endYear = GetFieldInt(EndYear);
    const int endMonth = GetFieldInt(EndMonth);
    const int endDay = GetFieldInt(EndDay);
    const CalcOutcome outcome =
        CalcDateSpan(startYear, startMonth, startDay, endYear, endMonth, endDay);
    if (outcome.focus) FocusField(*outcome.focus);
    SetLineText(IDC_RESULT, outcome.text);
}

// The lists keep whatever the typing aids last built into them.
void DateFormHandlers::OnReset() {
    for (FieldId field : {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay}) {
        SetFieldText(field, "");
    }
    SetLineText(IDC_RESULT, kInstructionLine);
    FocusField(StartYear);
}

// Month and day are written in plain decimal ("3"), unlike the list items (" 3").
void DateFormHandlers::OnFromToday() {
    const LocalDate today = ReadToday();
    SetFieldInt(StartYear, today.year);
    SetFieldInt(StartMonth, today.month);
    SetFieldInt(StartDay, today.day);
    SetFieldText(EndYear, "");
    SetFieldText(EndMonth, "");
    SetFieldText(EndDay, "");
    FocusField(EndYear);
}

void DateFormHandlers::OnUntilToday() {
    const LocalDate today = ReadToday();
    SetFieldInt(EndYear, today.year);
    SetFieldInt(EndMonth, today.month);
    SetFieldInt(EndDay, today.day);
    SetFieldText(StartYear, "");
    SetFieldText(StartMonth, "");
    SetFieldText(StartDay, "");
    FocusField(StartYear);
}
