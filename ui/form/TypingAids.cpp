// Typing aids of the date form: its two date entries with the form's rules, the start year
// that empties an earlier end year, and the lists rebuilt, as they open, to offer only what fits
// the dates chosen so far. Every handler reads its values first and uses them throughout, even
// after it has cleared a field.
#include "ui/form/DateFormHandlers.h"

using enum FieldId;

namespace {

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

int Number(FieldId field) {
    return static_cast<int>(field);
}

}  // namespace

// The entries name the fields by number.
std::string DateFormHandlers::EntryText(int field) {
    return GetFieldText(static_cast<FieldId>(field));
}

void DateFormHandlers::WriteEntry(int field, const std::string& text) {
    SetFieldText(static_cast<FieldId>(field), text);
}

void DateFormHandlers::ClearEntryList(int field) {
    ClearList(static_cast<FieldId>(field));
}

void DateFormHandlers::AddEntryItem(int field, const std::string& text) {
    AddListItem(static_cast<FieldId>(field), text);
}

void DateFormHandlers::FocusEntry(int field) {
    FocusField(static_cast<FieldId>(field));
}

void DateFormHandlers::OnChangeStartYear() {
    const int startYear = GetFieldInt(StartYear);
    const int endYear = GetFieldInt(EndYear);
    start_.OnYearChange();
    // An empty end year reads 0, so this also clears an already empty end year.
    if (startYear > endYear) SetFieldText(EndYear, "");
}

// An end year below the start year stays, for Calculate to report.
void DateFormHandlers::OnChangeEndYear() {
    end_.OnYearChange();
}

void DateFormHandlers::OnEditChangeStartMonth() {
    start_.OnBoxEditChange(Number(StartMonth));
}

void DateFormHandlers::OnEditChangeEndMonth() {
    end_.OnBoxEditChange(Number(EndMonth));
}

void DateFormHandlers::OnEditChangeStartDay() {
    start_.OnBoxEditChange(Number(StartDay));
}

// The end day is the last field: the focus stays.
void DateFormHandlers::OnEditChangeEndDay() {
    end_.OnBoxEditChange(Number(EndDay));
}

// Within one year the end month starts at the start month. Only the years are compared, so two
// empty years count as the same year.
void DateFormHandlers::OnDropDownEndMonth() {
    const int startYear = GetFieldInt(StartYear);
    const int endYear = GetFieldInt(EndYear);
    const int startMonth = GetFieldInt(StartMonth);
    end_.OfferMonths(startYear == endYear ? startMonth : 1);
}

// Without a start month the list and the text stay as they are. The year is taken as read, so
// an empty one (0) counts as a leap year.
void DateFormHandlers::OnDropDownStartDay() {
    const int startYear = GetFieldInt(StartYear);
    const int startMonth = GetFieldInt(StartMonth);
    if (!IsMonth(startMonth)) return;
    start_.OfferDays(1, DaysInMonth(startYear, startMonth));
}

// Within one month the end day starts at the start day (which it offers too); the end year alone
// decides February, and an empty end month offers a whole long month.
void DateFormHandlers::OnDropDownEndDay() {
    const int startYear = GetFieldInt(StartYear);
    const int endYear = GetFieldInt(EndYear);
    const int startMonth = GetFieldInt(StartMonth);
    const int endMonth = GetFieldInt(EndMonth);
    const int startDay = GetFieldInt(StartDay);
    if (endMonth < 0 || endMonth > 12) return;
    const bool sameMonth = startYear == endYear && startMonth == endMonth;
    end_.OfferDays(sameMonth ? startDay : 1, endMonth == 0 ? 31 : DaysInMonth(endYear, endMonth));
}

// The start date completed moves on to the end year; the end date keeps the focus, ready for
// Enter.
PasteOutcome DateFormHandlers::OnPasteIntoYear(FieldId year, std::string_view cp949Text) {
    return (year == StartYear ? start_ : end_).OnPaste(cp949Text);
}

std::optional<DatePair> DateFormHandlers::DatesForTools() {
    const CivilDate start{GetFieldInt(StartYear), GetFieldInt(StartMonth), GetFieldInt(StartDay)};
    const CivilDate end{GetFieldInt(EndYear), GetFieldInt(EndMonth), GetFieldInt(EndDay)};
    if (!IsValidDate(start) || !IsValidDate(end)) return std::nullopt;
    return DatePair{start, end};
}
