// The page logic of the date tools window. Each date is a date entry with the tools' rules: a
// complete field moves the focus on, impossible values vanish, day lists offer the days of the
// chosen month and year. Results follow every change;
// one typed into a field is read out once the field is complete or left, so that a screen
// reader does not read every keystroke's interim result.
#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>

#include "calendar/KoreanDateText.h"
#include "calendar/UserHolidayFile.h"
#include "ui/tools/DateToolsHandlers.h"
#include "ui/tools/DateToolsResults.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/tools/ToolsPage.h"
#include "ui/entry/FieldNumber.h"
#include "ui/entry/PastedDate.h"

using enum ToolField;

namespace {

constexpr std::size_t kYearDigits = 4;

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

struct PageOutcome {
    ToolResult result;
    bool hint;
};

// The page's result from its dates and the rest of its inputs: the first date that does not
// exist is named; while anything is missing, the page's hint. The calendar is asked for only
// when a result is computed.
PageOutcome Compute(DateToolsHandlers& form, ToolPage page, std::span<DateEntry> entries) {
    const ToolsPage& shown = PageFor(page);
    const std::span<const ToolField> years = shown.dates;
    DateReading read[2] = {};
    CivilDate dates[2] = {};
    for (std::size_t i = 0; i < years.size(); ++i) {
        read[i] = std::ranges::find(entries, Number(years[i]), &DateEntry::YearField)->Read();
        dates[i] = read[i].date;
    }
    const std::span<const DateReading> readings(read, years.size());
    const auto missing = std::ranges::find_if(
        readings, [](const DateReading& d) { return d.state == DateReading::Nonexistent; });
    if (missing != readings.end()) {
        const CivilDate d = missing->date;
        return {{NonexistentDateText(d.year, d.month, d.day), std::nullopt}, false};
    }
    PageOutcome hint{{PageHint(page), std::nullopt}, true};
    if (std::ranges::any_of(
            readings, [](const DateReading& d) { return d.state == DateReading::Incomplete; }))
        return hint;
    std::optional<ToolResult> result = shown.result(form, std::span(dates, years.size()));
    return result ? PageOutcome{*std::move(result), false} : hint;
}

}  // namespace

// The user's holiday file is read when the calendar is first asked for; its bad lines, or that
// it could not be read, are reported under every result from then on.
const HolidayCalendar& DateToolsHandlers::Calendar() {
    if (!calendarLoaded_) {
        calendarLoaded_ = true;
        const UserFile file = ReadUserHolidayFile();
        if (file.bytes) {
            UserHolidayChanges changes = ParseUserHolidayFile(*file.bytes);
            if (changes.namesAreUtf8) {
                for (UserHolidayAddition& addition : changes.additions) {
                    addition.name = Cp949FromUtf8(addition.name);
                }
            }
            ApplyUserHolidays(calendar_, changes);
            fileReport_ = BadLineReport(changes.badLines);
        } else if (file.unreadable) {
            fileReport_ = kUnreadableUserFile;
        }
    }
    return calendar_;
}

const ToolsPage& PageFor(ToolPage page) {
    switch (page) {
        case ToolPage::Period:
            return kPeriodPage;
        case ToolPage::Shift:
            return kShiftPage;
        case ToolPage::Age:
            return kAgePage;
        case ToolPage::Lunar:
            return kLunarPage;
        case ToolPage::Anniversaries:
            return kAnniversariesPage;
        case ToolPage::Holidays:
            break;
    }
    return kHolidaysPage;
}

DateToolsHandlers::DateToolsHandlers()
    : dates_{DateEntry(*this, kToolsRules, Number(StartYear), Number(AfterDay(StartYear))),
             DateEntry(*this, kToolsRules, Number(EndYear), Number(AfterDay(EndYear))),
             DateEntry(*this, kToolsRules, Number(BaseYear), Number(AfterDay(BaseYear))),
             DateEntry(*this, kToolsRules, Number(BirthYear), Number(AfterDay(BirthYear))),
             DateEntry(*this, kToolsRules, Number(ReferenceYear), Number(AfterDay(ReferenceYear))),
             DateEntry(*this, kToolsRules, Number(SolarYear), Number(AfterDay(SolarYear))),
             DateEntry(*this, kToolsRules, Number(LunarYear), Number(AfterDay(LunarYear))),
             DateEntry(*this, kToolsRules, Number(AnniversaryYear),
                       Number(AfterDay(AnniversaryYear)))} {
    EntryOf(LunarYear).SetLunar(true);
}

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

DateReading DateToolsHandlers::ReadDate(ToolField year) {
    DateEntry& entry = EntryOf(year);
    entry.FollowDate();
    return entry.Read();
}

DateEntry& DateToolsHandlers::EntryOf(ToolField field) {
    return *std::ranges::find_if(dates_,
                                 [&](const DateEntry& d) { return d.Holds(Number(field)); });
}

void DateToolsHandlers::Refresh(Announce announce) {
    for (const ToolField year : PageFor(page_).dates) EntryOf(year).FollowDate();
    const PageOutcome outcome = Compute(*this, page_, dates_);
    std::string text = outcome.result.text;
    if (!fileReport_.empty()) text += "\r\n" + fileReport_;
    if (text != shown_) {
        shown_ = text;
        copy_ = outcome.result.copy;
        SetResultText(shown_);
        if (outcome.result.selectedLine) SelectResultLine(*outcome.result.selectedLine);
        unannounced_ = !outcome.hint;
    }
    if (const auto areaName = PageFor(page_).areaName; areaName && !outcome.hint) {
        if (std::string name = areaName(*this); name != areaName_) NameResultArea(areaName_ = name);
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
    EntryOf(SolarYear).Fill(today);
    EntryOf(AnniversaryYear).Fill(today);
    SetChecked(AnniversaryIncludeStart, true);  // the base is day 1, as Koreans count
    Write(HolidayYear, std::to_string(today.year));
    if (mainFormDates) {
        EntryOf(StartYear).Fill(mainFormDates->start);
        EntryOf(EndYear).Fill(mainFormDates->end);
    }
    page_ = mainFormDates ? ToolPage::Period : ToolPage::Shift;
    ShowPage(page_);
    FocusField(PageFor(page_).firstField);
    Refresh(Announce::WhenLeft);
    unannounced_ = false;  // the window's opening is announced with it
}

void DateToolsHandlers::OnPageChosen(ToolPage page, bool focusStays) {
    page_ = page;
    ShowPage(page);
    if (!focusStays) FocusField(PageFor(page).firstField);
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
    FollowBirthCalendar();
    Refresh(Announce::Now);
}

// The 음력 생일 box makes the birth date a lunar one. A 윤달 birth date is a lunar one: checking
// 윤달 checks 음력 생일, clearing 음력 생일 clears 윤달.
void DateToolsHandlers::FollowBirthCalendar() {
    if (IsChecked(BirthLeapMonth) && !IsChecked(BirthIsLunar)) {
        if (birthLunar_) {
            SetChecked(BirthLeapMonth, false);
        } else {
            SetChecked(BirthIsLunar, true);
        }
    }
    birthLunar_ = IsChecked(BirthIsLunar);
    EntryOf(BirthYear).SetLunar(birthLunar_);
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
        PasteOutcome outcome = EntryOf(field).OnPaste(cp949Text);
        if (outcome.action == PasteOutcome::Filled) Refresh(Announce::Now);
        return outcome;
    }
    if (const std::optional<CivilDate> date = ParsePastedDate(cp949Text)) {
        Write(HolidayYear, std::to_string(date->year));
        Refresh(Announce::Now);
        return {PasteOutcome::Filled, {}};
    }
    return PastedDigits(cp949Text, kYearDigits);
}
