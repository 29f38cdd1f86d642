// Typing aids of the date form: the focus moves on once a field is complete, typed values that
// cannot be right are emptied, and the month and day lists are rebuilt, as they open, to offer
// only what fits the dates chosen so far. Every handler reads its values first and uses them
// throughout, even after it has cleared a field.
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "calendar/Data_Day.h"
#include "ui/form/DateFormHandlers.h"
#include "ui/entry/FieldNumber.h"
#include "ui/entry/PastedDate.h"

using enum FieldId;

namespace {

// Text lengths, in CP949 bytes, at which a field counts as complete: four year digits, or two
// characters (or one Hangul syllable) in a month or day box.
constexpr std::size_t kCompleteYear = 4;
constexpr std::size_t kCompleteBox = 2;

// A typed day is measured against 29 in February whatever the year, and against nothing while
// its month is empty.
constexpr MonthLengthTable kTypedDayLengths = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// The start-day list is rebuilt only for a start month that is set; entry 0 is never read.
constexpr MonthLengthTable kStartDayListLengths = {0,  31, 28, 31, 30, 31, 30,
                                                   31, 31, 30, 31, 30, 31};
// The end-day list offers a whole long month while the end month is empty.
constexpr MonthLengthTable kEndDayListLengths = {31, 31, 28, 31, 30, 31, 30,
                                                 31, 31, 30, 31, 30, 31};

// Whether a month value, as read, has an entry in the tables. The month checks keep the fields
// within 0..12, but a lookup must not trust that.
bool InTable(int month) {
    return month >= 0 && month < static_cast<int>(kTypedDayLengths.size());
}

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

// A day typed for a month outside the table fits nowhere, so it is emptied.
bool TypedDayFits(int day, int month) {
    return InTable(month) && day >= 1 && day <= kTypedDayLengths[month];
}

// The last day a day list offers: the table's length, or 29 for February of a leap year.
int LastListDay(const MonthLengthTable& lengths, int month, int year) {
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month];
}

void Clear(DateForm& form, FieldId field) {
    form.SetFieldText(field, "");
}

// Refills a box's list with first..last as two-column text. A first value below 1 starts at 1;
// one above the last leaves the list empty.
void RebuildList(DateForm& form, FieldId field, int first, int last) {
    form.ClearList(field);
    for (int n = std::max(first, 1); n <= last; ++n) form.AddListItem(field, TwoColumnNumber(n));
}

// A year field: a negative year (pasted) is emptied, four bytes move the focus on.
void CheckYear(DateForm& form, FieldId year, int value, FieldId next) {
    const std::size_t length = form.GetFieldText(year).size();
    if (value < 0) {
        Clear(form, year);
    } else if (length >= kCompleteYear) {
        form.FocusField(next);
    }
}

// A month box: anything but 1..12 is emptied, except a lone "0" waiting for its second digit;
// two bytes move the focus on, emptied or not.
void CheckTypedMonth(DateForm& form, FieldId month, FieldId next) {
    const int value = form.GetFieldInt(month);
    const std::string text = form.GetFieldText(month);
    if (!IsMonth(value) && !AwaitsSecondDigit(text)) Clear(form, month);
    if (text.size() >= kCompleteBox) form.FocusField(next);
}

// A day box: a day its month cannot have is emptied, except a lone "0" waiting for its second
// digit. Returns whether the box was complete.
bool CheckTypedDay(DateForm& form, FieldId day, FieldId month) {
    const int value = form.GetFieldInt(day);
    const int monthValue = form.GetFieldInt(month);
    const std::string text = form.GetFieldText(day);
    if (!TypedDayFits(value, monthValue) && !AwaitsSecondDigit(text)) Clear(form, day);
    return text.size() >= kCompleteBox;
}

}  // namespace

void DateFormHandlers::OnChangeStartYear() {
    const int startYear = GetFieldInt(StartYear);
    const int endYear = GetFieldInt(EndYear);
    CheckYear(*this, StartYear, startYear, StartMonth);
    // An empty end year reads 0, so this also clears an already empty end year.
    if (startYear > endYear) Clear(*this, EndYear);
}

// An end year below the start year stays, for Calculate to report.
void DateFormHandlers::OnChangeEndYear() {
    CheckYear(*this, EndYear, GetFieldInt(EndYear), EndMonth);
}

void DateFormHandlers::OnEditChangeStartMonth() {
    CheckTypedMonth(*this, StartMonth, StartDay);
}

void DateFormHandlers::OnEditChangeEndMonth() {
    CheckTypedMonth(*this, EndMonth, EndDay);
}

void DateFormHandlers::OnEditChangeStartDay() {
    if (CheckTypedDay(*this, StartDay, StartMonth)) FocusField(EndYear);
}

// The end day is the last field: the focus stays.
void DateFormHandlers::OnEditChangeEndDay() {
    CheckTypedDay(*this, EndDay, EndMonth);
}

// Within one year the end month starts at the start month. Only the years are compared, so two
// empty years count as the same year.
void DateFormHandlers::OnDropDownEndMonth() {
    const int startYear = GetFieldInt(StartYear);
    const int endYear = GetFieldInt(EndYear);
    const int startMonth = GetFieldInt(StartMonth);
    RebuildList(*this, EndMonth, startYear == endYear ? startMonth : 1, 12);
}

// Without a start month the list and the text stay as they are.
void DateFormHandlers::OnDropDownStartDay() {
    const int startYear = GetFieldInt(StartYear);
    const int startMonth = GetFieldInt(StartMonth);
    if (!IsMonth(startMonth)) return;
    RebuildList(*this, StartDay, 1, LastListDay(kStartDayListLengths, startMonth, startYear));
}

// Within one month the end day starts at the start day (which it offers too); the end year alone
// decides February.
void DateFormHandlers::OnDropDownEndDay() {
    const int startYear = GetFieldInt(StartYear);
    const int endYear = GetFieldInt(EndYear);
    const int startMonth = GetFieldInt(StartMonth);
    const int endMonth = GetFieldInt(EndMonth);
    const int startDay = GetFieldInt(StartDay);
    if (!InTable(endMonth)) return;
    const bool sameMonth = startYear == endYear && startMonth == endMonth;
    RebuildList(*this, EndDay, sameMonth ? startDay : 1,
                LastListDay(kEndDayListLengths, endMonth, endYear));
}

// Month and day are written in plain decimal, as the today buttons write them. The start date
// completed moves on to the end year; the end date keeps the focus, ready for Enter.
bool DateFormHandlers::FillPastedDate(FieldId year, const std::string& text) {
    const std::optional<CivilDate> date = ParsePastedDate(text);
    if (!date) return false;
    const bool start = year == StartYear;
    SetFieldInt(year, date->year);
    SetFieldInt(start ? StartMonth : EndMonth, date->month);
    SetFieldInt(start ? StartDay : EndDay, date->day);
    FocusField(start ? EndYear : EndDay);
    return true;
}
