// Commands and clock of the date form. Reset and the two today buttons write the year fields
// first, which runs the year handlers inside the writes; their own focus move comes last, so it
// decides where the focus ends.

#include "calendar/Data_Day.h"
#include "calendar/IntegerFormat.h"
#include "res/resource.h"
#include "ui/form/DateFormHandlers.h"
#include "ui/form/FormTexts.h"

using enum FieldId;

void DateFormHandlers::FillInitialLists() {
    for (DateEntry* date : {&start_, &end_}) {
        date->OfferMonths(1);
        date->OfferDays(1, 31);
    }
}

void DateFormHandlers::OnClockTick() {
    const CivilDate today = ReadToday();
    SetLineText(IDC_TODAY, FormatIntegers(kTodayLineFormat, {today.year, today.month, today.day}));
}

// Each result is read out, whether a count or an error. Reset's instruction line is not: Reset
// moves the focus, which screen readers announce, and reading the instructions assertively
// would cut that short.
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
    AnnounceResult();
}

// The lists keep whatever the typing aids last built into them.
void DateFormHandlers::OnReset() {
    for (FieldId field : {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay}) {
        SetFieldText(field, "");
    }
    SetLineText(IDC_RESULT, kInstructionLine);
    FocusField(StartYear);
}

// Each today button writes today into its date and empties the other, whose year then takes the
// focus.
void DateFormHandlers::OnFromToday() {
    start_.Fill(ReadToday());
    end_.Empty();
    FocusField(EndYear);
}

void DateFormHandlers::OnUntilToday() {
    end_.Fill(ReadToday());
    start_.Empty();
    FocusField(StartYear);
}
