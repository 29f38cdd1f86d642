#include "ui/entry/DateEntry.h"

#include <algorithm>
#include <cstddef>

#include "ui/entry/FieldNumber.h"
#include "ui/entry/PastedDate.h"

namespace {

// Text lengths, in CP949 bytes, at which a field counts as complete: four year digits, or two
// characters (or one Hangul syllable) in a month or day box.
constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kCompleteBox = 2;
constexpr int kMonths = 12;
constexpr int kLongestMonth = 31;
constexpr int kLeapFebruary = 29;
constexpr int kLongestLunarMonth = 30;

bool IsMonth(int month) {
    return month >= 1 && month <= kMonths;
}

// The most days the month can have in any year.
int LongestDays(int month) {
    return month == 2 ? kLeapFebruary : DaysInMonth(1, month);
}

}  // namespace

EntryStep JudgeYear(const EntryRules& rules, std::string_view text) {
    const bool noYear = rules.yearOfDigitsOnly
                            ? !text.empty() && (!IsDigitText(text) || text.size() > kYearDigits)
                            : ParseFieldInt(text) < 0;
    if (noYear) return EntryStep::Emptied;
    return text.size() >= kYearDigits ? EntryStep::Completed : EntryStep::Typing;
}

PasteOutcome PastedDigits(std::string_view cp949Text, std::size_t room) {
    const std::string_view digits = TrimBlanks(cp949Text);
    if (!IsDigitText(digits) || digits.size() > room) return {PasteOutcome::Refused, {}};
    return {PasteOutcome::Insert, std::string(digits)};
}

DateEntry::DateEntry(EntryControls& controls, const EntryRules& rules, int year, int afterDay)
    : controls_(controls), rules_(rules), year_(year), afterDay_(afterDay) {}

// A year that is no year (pasted) is emptied; four digits move the focus on to the month.
EntryStep DateEntry::OnYearChange() {
    const EntryStep step = JudgeYear(rules_, controls_.EntryText(year_));
    if (step == EntryStep::Emptied) {
        controls_.WriteEntry(year_, "");
    } else if (step == EntryStep::Completed) {
        MoveFocus(MonthField());
    }
    return step;
}

// A month outside 1..12 and a day its month cannot have are emptied, except a lone "0" waiting
// for its second digit; two characters move the focus on. Values are read first and used
// throughout, even after the box is emptied.
EntryStep DateEntry::OnBoxEditChange(int box) {
    const std::string text = controls_.EntryText(box);
    const int value = ParseFieldInt(text);
    const bool isMonth = box == MonthField();
    const int last = isMonth ? kMonths : LastTypedDay();
    const bool fits = value >= 1 && value <= last && (!rules_.boxOfDigitsOnly || IsDigitText(text));
    if (!fits && !text.empty() && !AwaitsSecondDigit(text)) {
        controls_.WriteEntry(box, "");
        if (!rules_.moveOnWhenEmptied) return EntryStep::Emptied;
    }
    if (text.size() < kCompleteBox) return EntryStep::Typing;
    const int next = isMonth ? DayField() : afterDay_;
    if (next != box) MoveFocus(next);
    return EntryStep::Completed;
}

// The last day a typed day may be: the day list's, or the month's longest (none without one).
int DateEntry::LastTypedDay() {
    if (rules_.dayListFollowsDate) {
        FollowDate();
        return listedDays_;
    }
    const int month = ParseFieldInt(controls_.EntryText(MonthField()));
    return IsMonth(month) ? LongestDays(month) : 0;
}

PasteOutcome DateEntry::OnPaste(std::string_view cp949Text) {
    if (const std::optional<CivilDate> date = ParsePastedDate(cp949Text)) {
        Fill(*date);
        MoveFocus(afterDay_);
        return {PasteOutcome::Filled, {}};
    }
    if (!rules_.pastesDigitsOnly) return {PasteOutcome::AsField, {}};
    return PastedDigits(cp949Text, kYearDigits);
}

// A day list that follows the date is brought up to date first: rebuilt once the focus is in
// the day box, it would lose the selection the focus move gives the box's text.
void DateEntry::MoveFocus(int field) {
    if (rules_.dayListFollowsDate) FollowDate();
    controls_.FocusEntry(field);
}

void DateEntry::Fill(CivilDate date) {
    controls_.WriteEntry(year_, std::to_string(date.year));
    controls_.WriteEntry(MonthField(), std::to_string(date.month));
    controls_.WriteEntry(DayField(), std::to_string(date.day));
}

void DateEntry::Empty() {
    for (int field = year_; field <= DayField(); ++field) controls_.WriteEntry(field, "");
}

// Incomplete while a field is empty or half typed (a year of zeros short of four digits, a
// lone "0" in a box); else the date, or the date that does not exist.
DateReading DateEntry::Read() {
    const std::string yearText = controls_.EntryText(year_);
    const std::string monthText = controls_.EntryText(MonthField());
    const std::string dayText = controls_.EntryText(DayField());
    const CivilDate date{ParseFieldInt(yearText), ParseFieldInt(monthText), ParseFieldInt(dayText)};
    const bool complete = IsDigitText(yearText) && IsDigitText(monthText) && IsDigitText(dayText) &&
                          (date.year > 0 || yearText.size() >= kYearDigits) && date.month > 0 &&
                          date.day > 0;
    if (!complete) return {DateReading::Incomplete, date};
    const bool exists =
        lunar_ ? IsMonth(date.month) && date.day <= kLongestLunarMonth : IsValidDate(date);
    return {exists ? DateReading::Valid : DateReading::Nonexistent, date};
}

void DateEntry::OfferMonths(int first) {
    Offer(MonthField(), first, kMonths);
}

void DateEntry::OfferDays(int first, int last) {
    Offer(DayField(), first, last);
}

void DateEntry::Offer(int field, int first, int last) {
    controls_.ClearEntryList(field);
    for (int n = std::max(first, 1); n <= last; ++n)
        controls_.AddEntryItem(field, TwoColumnNumber(n));
}

void DateEntry::FollowDate() {
    const std::string yearText = controls_.EntryText(year_);
    const int month = ParseFieldInt(controls_.EntryText(MonthField()));
    int length = lunar_ ? kLongestLunarMonth : kLongestMonth;
    if (IsMonth(month) && !lunar_) {
        const int year = ParseFieldInt(yearText);
        const bool yearKnown = yearText.size() == kYearDigits && IsDigitText(yearText) && year >= 1;
        length = yearKnown ? DaysInMonth(year, month) : LongestDays(month);
    }
    if (length == listedDays_) return;
    const std::string dayText = controls_.EntryText(DayField());
    OfferDays(1, length);
    controls_.WriteEntry(DayField(), dayText);
    listedDays_ = length;
}

void DateEntry::SetLunar(bool lunar) {
    lunar_ = lunar;
}
