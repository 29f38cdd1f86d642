// The page logic of the date tools window. A date is three consecutive fields (year, month,
// day). Typing follows the main form: a complete field moves the focus on, impossible values
// vanish, day lists offer the days of the chosen month and year. Results follow every change;
// one typed into a field is read out once the field is complete or left, so that a screen
// reader does not read every keystroke's interim result.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstdint>
#include <span>

#include "calendar/KoreanDateText.h"
#include "calendar/UserHolidayFile.h"
#include "ui/tools/DateToolsHandlers.h"
#include "ui/tools/DateToolsResults.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/entry/FieldNumber.h"
#include "ui/entry/PastedDate.h"

using enum ToolField;

namespace {

constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kAmountDigits = 7;
constexpr std::size_t kCompleteBox = 2;
constexpr int kMonths = 12;
constexpr int kLongestMonth = 31;
constexpr int kLeapFebruary = 29;

// The year fields of the five dates, in tab order.
constexpr ToolField kDateYears[] = {StartYear, EndYear, BaseYear, BirthYear, ReferenceYear};

ToolField Offset(ToolField field, int by) {
    return static_cast<ToolField>(static_cast<int>(field) + by);
}

// The year field of the date the field belongs to; the field itself when it is no date's.
ToolField DateOf(ToolField field) {
    const auto* year = std::ranges::find_if(
        kDateYears, [&](ToolField y) { return field >= y && field <= Offset(y, 2); });
    return year == std::end(kDateYears) ? field : *year;
}

std::size_t DateIndex(ToolField year) {
    std::size_t i = 0;
    while (kDateYears[i] != year) ++i;
    return i;
}

// Where the focus goes once a date's day is complete; the day itself when the page has no
// input after it but buttons and check boxes.
ToolField AfterDay(ToolField year) {
    switch (year) {
        case StartYear:
            return EndYear;
        case BaseYear:
            return Amount;
        case BirthYear:
            return ReferenceYear;
        default:
            return Offset(year, 2);
    }
}

constexpr ToolField kPeriodDates[] = {StartYear, EndYear};
constexpr ToolField kShiftDates[] = {BaseYear};
constexpr ToolField kAgeDates[] = {BirthYear, ReferenceYear};

// The year fields of the page's dates.
std::span<const ToolField> DatesOf(ToolPage page) {
    switch (page) {
        case ToolPage::Period:
            return kPeriodDates;
        case ToolPage::Shift:
            return kShiftDates;
        case ToolPage::Age:
            return kAgeDates;
        case ToolPage::Holidays:
            break;
    }
    return {};
}

// Digits, after blanks a list item may start with; not empty.
bool IsDigits(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return false;
    return text.find_first_not_of("0123456789", start) == std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t\r\n") - start + 1);
}

// A date as its three fields hold it: incomplete while a field is empty or half typed (a year
// of zeros short of four digits, a lone "0" in a box), else the date or the date that is not.
struct DateReading {
    enum { Incomplete, Nonexistent, Valid } state;
    CivilDate date;  // cppcheck-suppress unusedStructMember ; read through a span in Compute
};

DateReading ReadDate(DateToolsForm& form, ToolField year) {
    const std::string yearText = form.GetText(year);
    const std::string monthText = form.GetText(Offset(year, 1));
    const std::string dayText = form.GetText(Offset(year, 2));
    const CivilDate date{ParseFieldInt(yearText), ParseFieldInt(monthText), ParseFieldInt(dayText)};
    const bool complete = IsDigits(yearText) && IsDigits(monthText) && IsDigits(dayText) &&
                          (date.year > 0 || yearText.size() >= kYearDigits) && date.month > 0 &&
                          date.day > 0;
    if (!complete) return {DateReading::Incomplete, date};
    return {IsValidDate(date) ? DateReading::Valid : DateReading::Nonexistent, date};
}

struct PageOutcome {
    ToolResult result;
    bool hint;
};

// The page's result from its dates and the rest of its inputs: the first date that does not
// exist is named; while anything is missing, the page's hint. The calendar is asked for only
// when a result is computed.
PageOutcome Compute(DateToolsHandlers& form, ToolPage page) {
    const auto names = [&form] { return form.Names(); };
    if (page == ToolPage::Holidays) {
        const std::string year = form.GetText(HolidayYear);
        if (!IsDigits(year)) return {{PageHint(page), std::nullopt}, true};
        return {HolidayListResult(names(), ParseFieldInt(year)), false};
    }
    const std::span<const ToolField> years = DatesOf(page);
    DateReading read[2] = {};
    for (std::size_t i = 0; i < years.size(); ++i) read[i] = ReadDate(form, years[i]);
    const std::span<const DateReading> dates(read, years.size());
    const auto missing = std::ranges::find_if(
        dates, [](const DateReading& d) { return d.state == DateReading::Nonexistent; });
    if (missing != dates.end()) {
        const CivilDate d = missing->date;
        return {{NonexistentDateText(d.year, d.month, d.day), std::nullopt}, false};
    }
    PageOutcome hint{{PageHint(page), std::nullopt}, true};
    if (std::ranges::any_of(
            dates, [](const DateReading& d) { return d.state == DateReading::Incomplete; }))
        return hint;
    switch (page) {
        case ToolPage::Period:
            return {PeriodResult(names(), dates[0].date, dates[1].date,
                                 form.IsChecked(PeriodIncludeStart)),
                    false};
        case ToolPage::Age:
            return {AgeResult(names(), dates[0].date, dates[1].date), false};
        case ToolPage::Shift:
        case ToolPage::Holidays:
            break;
    }
    const std::string amount = form.GetText(Amount);
    const int unit = form.GetSelection(Unit);
    const int direction = form.GetSelection(ShiftDirection);
    if (!IsDigits(amount) || amount.size() > kAmountDigits || unit < 0 || unit >= kShiftUnitCount ||
        direction < 0 || direction > 1) {
        return hint;
    }
    return {ShiftResult(names(), dates[0].date, ParseFieldInt(amount), static_cast<ShiftUnit>(unit),
                        static_cast<Direction>(direction),
                        {form.IsChecked(ShiftIncludeStart), form.IsChecked(ShiftToWorkingDay)}),
            false};
}

}  // namespace

// The user's holiday file is read when the calendar is first asked for; its bad lines, or that
// it could not be read, are reported under every result from then on.
HolidayNames DateToolsHandlers::Names() {
    if (!calendarLoaded_) {
        calendarLoaded_ = true;
        const UserFile file = ReadUserHolidayFile();
        if (file.utf8) {
            const UserHolidayChanges changes = ParseUserHolidayFile(*file.utf8);
            ApplyUserHolidays(calendar_, changes);
            fileReport_ = BadLineReport(changes.badLines);
        } else if (file.unreadable) {
            fileReport_ = kUnreadableUserFile;
        }
    }
    return {calendar_, *this};
}

void DateToolsHandlers::Refresh(Announce announce) {
    for (const ToolField year : DatesOf(page_)) RebuildDayList(year);
    const PageOutcome outcome = Compute(*this, page_);
    std::string text = outcome.result.text;
    if (!fileReport_.empty()) text += "\r\n" + fileReport_;
    if (text != shown_) {
        shown_ = text;
        copy_ = outcome.result.copy;
        SetResultText(shown_);
        unannounced_ = !outcome.hint;
    }
    if (announce == Announce::Now) OnFieldLeft();
}

void DateToolsHandlers::Write(ToolField field, const std::string& text) {
    const bool outer = writing_;
    writing_ = true;
    SetText(field, text);
    writing_ = outer;
}

void DateToolsHandlers::FillDate(ToolField year, CivilDate date) {
    Write(year, std::to_string(date.year));
    Write(Offset(year, 1), std::to_string(date.month));
    Write(Offset(year, 2), std::to_string(date.day));
}

// The day list holds the month's days in the year once both are known; before that, all the
// days the month can have (29 in February), or 31 without a month.
void DateToolsHandlers::RebuildDayList(ToolField year) {
    const std::string yearText = GetText(year);
    const int month = ParseFieldInt(GetText(Offset(year, 1)));
    int length = kLongestMonth;
    if (month >= 1 && month <= kMonths) {
        const bool yearKnown =
            yearText.size() == kYearDigits && IsDigits(yearText) && ParseFieldInt(yearText) >= 1;
        length = yearKnown ? DaysInMonth(ParseFieldInt(yearText), month)
                           : (month == 2 ? kLeapFebruary : DaysInMonth(1, month));
    }
    int& listed = dayListLength_[DateIndex(year)];
    if (length == listed) return;
    const ToolField day = Offset(year, 2);
    const std::string dayText = GetText(day);
    ClearList(day);
    for (int n = 1; n <= length; ++n) AddListItem(day, TwoColumnNumber(n));
    Write(day, dayText);
    listed = length;
}

void DateToolsHandlers::Open(const std::optional<DatePair>& mainFormDates) {
    for (const ToolField year : kDateYears) {
        ClearList(Offset(year, 1));
        for (int n = 1; n <= kMonths; ++n) AddListItem(Offset(year, 1), TwoColumnNumber(n));
        RebuildDayList(year);
    }
    for (const char* const* item = kUnitItems; *item; ++item) AddListItem(Unit, *item);
    for (const char* const* item = kDirectionItems; *item; ++item)
        AddListItem(ShiftDirection, *item);
    SetSelection(Unit, 0);
    SetSelection(ShiftDirection, 0);

    const CivilDate today = ReadToday();
    FillDate(BaseYear, today);
    FillDate(ReferenceYear, today);
    Write(HolidayYear, std::to_string(today.year));
    if (mainFormDates) {
        FillDate(StartYear, mainFormDates->start);
        FillDate(EndYear, mainFormDates->end);
    }
    page_ = mainFormDates ? ToolPage::Period : ToolPage::Shift;
    ShowPage(page_);
    FocusField(DatesOf(page_).front());
    Refresh(Announce::WhenLeft);
    unannounced_ = false;  // the window's opening is announced with it
}

void DateToolsHandlers::OnPageChosen(ToolPage page) {
    page_ = page;
    ShowPage(page);
    FocusField(page == ToolPage::Holidays ? HolidayYear : DatesOf(page).front());
    Refresh(Announce::Now);
}

// A pasted year that is no year (a minus sign, too many digits) is emptied; four digits move
// the focus on to the date's month.
void DateToolsHandlers::OnYearChange(ToolField year) {
    if (writing_) return;
    const std::string text = GetText(year);
    if (!text.empty() && (!IsDigits(text) || text.size() > kYearDigits)) {
        Write(year, "");
        Refresh(Announce::WhenLeft);
    } else if (text.size() == kYearDigits) {
        Refresh(Announce::Now);
        if (year != HolidayYear) FocusField(Offset(year, 1));
    } else {
        Refresh(Announce::WhenLeft);
    }
}

// A month outside 1..12 and a day the month cannot have are emptied and keep the focus; a lone
// "0" waits for its second digit; two characters move the focus on.
void DateToolsHandlers::OnBoxEditChange(ToolField box) {
    if (writing_) return;
    const ToolField year = DateOf(box);
    const bool isMonth = box == Offset(year, 1);
    const std::string text = GetText(box);
    const int value = ParseFieldInt(text);
    int last = kMonths;
    if (!isMonth) {
        RebuildDayList(year);
        last = dayListLength_[DateIndex(year)];
    }
    const bool waits = text.empty() || AwaitsSecondDigit(text);
    if (!waits && (!IsDigits(text) || value < 1 || value > last)) {
        Write(box, "");
    } else if (!waits && text.size() >= kCompleteBox) {
        Refresh(Announce::Now);
        FocusField(isMonth ? Offset(box, 1) : AfterDay(year));
        return;
    }
    Refresh(Announce::WhenLeft);
}

// The amount takes up to seven digits; anything else pasted into it is emptied.
void DateToolsHandlers::OnAmountChange() {
    if (writing_) return;
    const std::string text = GetText(Amount);
    if (!text.empty() && (!IsDigits(text) || text.size() > kAmountDigits)) Write(Amount, "");
    Refresh(Announce::WhenLeft);
}

void DateToolsHandlers::OnChoiceChange() {
    Refresh(Announce::Now);
}

void DateToolsHandlers::OnDayListOpening(ToolField day) {
    RebuildDayList(DateOf(day));
}

void DateToolsHandlers::OnToday(ToolField year) {
    FillDate(year, ReadToday());
    Refresh(Announce::Now);
}

void DateToolsHandlers::OnFieldLeft() {
    if (!unannounced_) return;
    unannounced_ = false;
    AnnounceResult();
}

// A pasted date moves the focus on as a typed one would; in the holiday page's year field it
// gives its year. Blanks and line breaks around pasted digits (a spreadsheet cell's) are dropped.
std::optional<std::string> DateToolsHandlers::OnPaste(ToolField field, std::string_view cp949Text) {
    const ToolField year = DateOf(field);
    if (year == field && field != Amount) {
        if (const std::optional<CivilDate> date = ParsePastedDate(cp949Text)) {
            if (field == HolidayYear) {  // the year of a pasted date
                Write(HolidayYear, std::to_string(date->year));
                Refresh(Announce::Now);
                return std::nullopt;
            }
            FillDate(year, *date);
            Refresh(Announce::Now);
            FocusField(AfterDay(year));
            return std::nullopt;
        }
    }
    const std::string_view digits = TrimBlanks(cp949Text);
    const std::size_t room = field == Amount ? kAmountDigits : kYearDigits;
    if (!IsDigits(digits) || digits.size() > room) return std::nullopt;
    return std::string(digits);
}
