// Commands and clock of the date form. Reset and the two today buttons write the year fields
// first, which runs the year handlers inside the writes; their own focus move comes last, so it
// decides where the focus ends.

#include "calendar/Data_Day.h"
#include "calendar/IntegerFormat.h"
#include "res/resource.h"
#include "ui/form/DateFormHandlers.h"
#include "ui/entry/FieldNumber.h"
#include "ui/form/FormTexts.h"

using enum FieldId;

namespace {

struct DateFields {
    FieldId year, month, day;
};
constexpr DateFields kStartDate{StartYear, StartMonth, StartDay};
constexpr DateFields kEndDate{EndYear, EndMonth, EndDay};

// Writes today into one date and empties the other, whose year then takes the focus. Month and
// day are written in plain decimal ("3"), unlike the list items (" 3").
void FillWithToday(DateForm& form, const LocalDate& today, DateFields filled, DateFields emptied) {
    form.SetFieldInt(filled.year, today.year);
    form.SetFieldInt(filled.month, today.month);
    form.SetFieldInt(filled.day, today.day);
    form.SetFieldText(emptied.year, "");
    form.SetFieldText(emptied.month, "");
    form.SetFieldText(emptied.day, "");
    form.FocusField(emptied.year);
}

}  // namespace

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

void DateFormHandlers::OnFromToday() {
    FillWithToday(*this, ReadToday(), kStartDate, kEndDate);
}

void DateFormHandlers::OnUntilToday() {
    FillWithToday(*this, ReadToday(), kEndDate, kStartDate);
}
