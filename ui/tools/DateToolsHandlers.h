// The page logic of the date tools window, written against the DateToolsForm operations only:
// typing aids like the main form's, the day lists, results as the user types, pasted dates and
// what the copy command takes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/Holidays.h"
#include "ui/entry/DateEntry.h"
#include "ui/tools/DateToolsForm.h"
#include "ui/tools/DateToolsResults.h"

class DateToolsHandlers : public DateToolsForm, private EntryControls {
public:
    // Fills the lists and the dates and shows the first page: 기간 with the main form's dates
    // when it holds two, else 더하기/빼기. The base and reference dates start as today.
    void Open(const std::optional<DatePair>& mainFormDates);

    // A page button chosen: with the mouse or its mnemonic the focus goes into the page; by an
    // arrow key (stepping through the buttons) it stays on the button.
    void OnPageChosen(ToolPage page, bool focusStays = false);
    // The user's edits of a year, a month or day box, or the amount.
    void OnYearChange(ToolField year);
    void OnBoxEditChange(ToolField box);
    void OnAmountChange();
    // An item chosen from a month or day list (the box's text already shows it), a unit or
    // direction, a check box clicked.
    void OnChoiceChange();
    void OnDayListOpening(ToolField day);
    // The "오늘" button of the date whose year field is given.
    void OnToday(ToolField year);
    // The focus left an input: a result typed there is read out now.
    void OnFieldLeft();
    // Text pasted into a year or the amount field: a whole date pasted into a year field fills
    // the date; digits that fit the field are to be inserted as if typed; anything else is
    // refused.
    PasteOutcome OnPaste(ToolField field, std::string_view cp949Text);

    // What the copy command takes; nothing while the page shows no result.
    const std::optional<std::string>& TextToCopy() const { return copy_; }
    ToolPage Page() const { return page_; }
    // The date in the entry whose year field is given, its day list brought up to date first.
    DateReading ReadDate(ToolField year);
    // The holiday calendar the results use, with the user's file applied: the file is read on
    // the first call.
    const HolidayCalendar& Calendar();
    // What the user's file calls for under every result (its bad lines, or that it is
    // unreadable); empty while the calendar has not been asked for or the file is fine.
    const std::string& FileReport() const { return fileReport_; }

protected:
    DateToolsHandlers();
    ~DateToolsHandlers() = default;

private:
    enum class Announce { Now, WhenLeft };

    // The entries name the fields by number; their writes run no typing aids.
    std::string EntryText(int field) override;
    void WriteEntry(int field, const std::string& text) override;
    void ClearEntryList(int field) override;
    void AddEntryItem(int field, const std::string& text) override;
    void FocusEntry(int field) override;

    // Writes a field without running its own change handler's typing aids.
    void Write(ToolField field, const std::string& text);
    DateEntry& EntryOf(ToolField field);
    // The step a field's edit took: a completed one is read out now, any other once left.
    void Refresh(EntryStep step);
    // Recomputes the page's result; a new one is read out now or once the field is left.
    void Refresh(Announce announce);
    void FollowBirthCalendar();

    ToolPage page_ = ToolPage::Shift;
    bool writing_ = false;
    bool moving_ = false;
    std::string shown_;
    std::string areaName_;
    std::optional<std::string> copy_;
    bool unannounced_ = false;
    // The dates, in field order: start, end, base, birth, reference, solar, lunar, anniversary.
    std::array<DateEntry, 8> dates_;
    HolidayCalendar calendar_;
    bool calendarLoaded_ = false;
    bool birthLunar_ = false;
    std::string fileReport_;
};
