// The page logic of the date tools window. Each date is a date entry with the tools' rules: a
// complete field moves the focus on, impossible values vanish, day lists offer the days of the
// chosen month and year. Results follow every change;
// one typed into a field is read out once the field is complete or left, so that a screen
// reader does not read every keystroke's interim result.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstdint>
#include <span>
#include <utility>

#include "calendar/KoreanDateText.h"
#include "calendar/UserHolidayFile.h"
#include "ui/tools/DateToolsHandlers.h"
#include "ui/tools/DateToolsResults.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/entry/FieldNumber.h"
#include "ui/entry/PastedDate.h"

using enum ToolField;

namespace {

constexpr std::size_t kAmountDigits = 7;

// The year fields of the five dates, in tab order.
constexpr ToolField kDateYears[] = {StartYear, EndYear, BaseYear, BirthYear, ReferenceYear};

ToolField Offset(ToolField field, int by) {
    return static_cast<ToolField>(static_cast<int>(field) + by);
}

int Number(ToolField field) {
    return static_cast<int>(field);
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

struct PageOutcome {
    ToolResult result;
    bool hint;
};

// The page's result from its dates and the rest of its inputs: the first date that does not
// exist is named; while anything is missing, the page's hint. The calendar is asked for only
// when a result is computed.
PageOutcome Compute(DateToolsHandlers& form, ToolPage page, std::span<DateEntry> entries) {
    const auto names = [&form] { return form.Names(); };
    if (page == ToolPage::Holidays) {
        const std::string year = form.GetText(HolidayYear);
        if (!IsDigitText(year)) return {{PageHint(page), std::nullopt}, true};
        return {HolidayListResult(names(), ParseFieldInt(year)), false};
    }
    const std::span<const ToolField> years = DatesOf(page);
    DateReading read[2] = {};
    for (std::size_t i = 0; i < years.size(); ++i) {
        read[i] = std::ranges::find(entries, Number(years[i]), &DateEntry::YearField)->Read();
    }
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
    if (!IsDigitText(amount) || amount.size() > kAmountDigits || unit < 0 ||
        unit >= kShiftUnitCount || direction < 0 || direction > 1) {
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

DateToolsHandlers::DateToolsHandlers()
    : dates_{
          DateEntry(*this, kToolsRules, Number(StartYear), Number(AfterDay(StartYear))),
          DateEntry(*this, kToolsRules, Number(EndYear), Number(AfterDay(EndYear))),
          DateEntry(*this, kToolsRules, Number(BaseYear), Number(AfterDay(BaseYear))),
          DateEntry(*this, kToolsRules, Number(BirthYear), Number(AfterDay(BirthYear))),
          DateEntry(*this, kToolsRules, Number(ReferenceYear), Number(AfterDay(ReferenceYear)))} {}

std::string DateToolsHandlers::EntryText(int field) {
    return GetText(static_cast<ToolField>(field));
}

void DateToolsHandlers::WriteEntry(int field, const std::string& text) {
    Write(static_cast<ToolField>(field), text);
}

void DateToolsHandlers::ClearEntryList(int field) {
    ClearList(static_cast<ToolField>(field));
}

void DateToolsHandlers::AddEntryItem(int field, const std::string& text) {
    AddListItem(static_cast<ToolField>(field), text);
}

// A move made by a field's own handler announces nothing on the way: the handler's result is
// read out after the move, so that the speech of the move does not cut it short.
void DateToolsHandlers::FocusEntry(int field) {
    const bool outer = std::exchange(moving_, true);
    FocusField(static_cast<ToolField>(field));
    moving_ = outer;
}

DateEntry& DateToolsHandlers::EntryOf(ToolField field) {
    return *std::ranges::find_if(dates_,
                                 [&](const DateEntry& d) { return d.Holds(Number(field)); });
}

void DateToolsHandlers::Refresh(Announce announce) {
    for (const ToolField year : DatesOf(page_)) EntryOf(year).FollowDate();
    const PageOutcome outcome = Compute(*this, page_, dates_);
    std::string text = outcome.result.text;
    if (!fileReport_.empty()) text += "\r\n" + fileReport_;
    if (text != shown_) {
        shown_ = text;
        copy_ = outcome.result.copy;
        SetResultText(shown_);
        unannounced_ = !outcome.hint;
    }
    if (page_ == ToolPage::Holidays && !outcome.hint) {
        const int year = ParseFieldInt(GetText(HolidayYear));
        std::string name =
            std::to_string(year) + kHolidayCountStart +
            std::to_string(year >= 1 ? Names().calendar.HolidaysOfYear(year).size() : 0) +
            kHolidayCountEnd;
        if (!fileReport_.empty()) name += " " + fileReport_;
        if (name != areaName_) NameResultArea(areaName_ = name);
    }
    if (announce == Announce::Now) OnFieldLeft();
}

void DateToolsHandlers::Write(ToolField field, const std::string& text) {
    const bool outer = writing_;
    writing_ = true;
    SetText(field, text);
    writing_ = outer;
}

void DateToolsHandlers::Refresh(EntryStep step) {
    Refresh(step == EntryStep::Completed ? Announce::Now : Announce::WhenLeft);
}

void DateToolsHandlers::Open(const std::optional<DatePair>& mainFormDates) {
    for (DateEntry& date : dates_) {
        date.OfferMonths(1);
        date.FollowDate();
    }
    for (const char* const* item = kUnitItems; *item; ++item) AddListItem(Unit, *item);
    for (const char* const* item = kDirectionItems; *item; ++item)
        AddListItem(ShiftDirection, *item);
    SetSelection(Unit, 0);
    SetSelection(ShiftDirection, 0);

    const CivilDate today = ReadToday();
    EntryOf(BaseYear).Fill(today);
    EntryOf(ReferenceYear).Fill(today);
    Write(HolidayYear, std::to_string(today.year));
    if (mainFormDates) {
        EntryOf(StartYear).Fill(mainFormDates->start);
        EntryOf(EndYear).Fill(mainFormDates->end);
    }
    page_ = mainFormDates ? ToolPage::Period : ToolPage::Shift;
    ShowPage(page_);
    FocusField(DatesOf(page_).front());
    Refresh(Announce::WhenLeft);
    unannounced_ = false;  // the window's opening is announced with it
}

void DateToolsHandlers::OnPageChosen(ToolPage page, bool focusStays) {
    page_ = page;
    ShowPage(page);
    if (!focusStays) FocusField(page == ToolPage::Holidays ? HolidayYear : DatesOf(page).front());
    Refresh(Announce::Now);
}

// The holiday page's year is a year field without a date: complete, it gives the list.
void DateToolsHandlers::OnYearChange(ToolField year) {
    if (writing_) return;
    if (year != HolidayYear) return Refresh(EntryOf(year).OnYearChange());
    const EntryStep step = JudgeYear(kToolsRules, GetText(year));
    if (step == EntryStep::Emptied) Write(year, "");
    Refresh(step);
}

void DateToolsHandlers::OnBoxEditChange(ToolField box) {
    if (writing_) return;
    Refresh(EntryOf(box).OnBoxEditChange(Number(box)));
}

// The amount takes up to seven digits; anything else pasted into it is emptied.
void DateToolsHandlers::OnAmountChange() {
    if (writing_) return;
    const std::string text = GetText(Amount);
    if (!text.empty() && (!IsDigitText(text) || text.size() > kAmountDigits)) Write(Amount, "");
    Refresh(Announce::WhenLeft);
}

void DateToolsHandlers::OnChoiceChange() {
    Refresh(Announce::Now);
}

void DateToolsHandlers::OnDayListOpening(ToolField day) {
    EntryOf(day).FollowDate();
}

void DateToolsHandlers::OnToday(ToolField year) {
    EntryOf(year).Fill(ReadToday());
    Refresh(Announce::Now);
}

void DateToolsHandlers::OnFieldLeft() {
    if (moving_ || !unannounced_) return;
    unannounced_ = false;
    AnnounceResult();
}

// A pasted date moves the focus on as a typed one would; in the holiday page's year field it
// gives its year. Blanks and line breaks around pasted digits (a spreadsheet cell's) are dropped.
PasteOutcome DateToolsHandlers::OnPaste(ToolField field, std::string_view cp949Text) {
    if (field == Amount) return PastedDigits(cp949Text, kAmountDigits);
    if (field != HolidayYear) {
        const PasteOutcome outcome = EntryOf(field).OnPaste(cp949Text);
        if (outcome.action == PasteOutcome::Filled) Refresh(Announce::Now);
        return outcome;
    }
    if (const std::optional<CivilDate> date = ParsePastedDate(cp949Text)) {
        Write(HolidayYear, std::to_string(date->year));
        Refresh(Announce::Now);
        return {PasteOutcome::Filled, {}};
    }
    return PastedDigits(cp949Text, 4);
}
