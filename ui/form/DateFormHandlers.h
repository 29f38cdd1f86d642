// Every handler of the date form, written against the DateForm operations only, so that the
// same code runs in the Win32 window and against the fake form of the unit tests. Its two dates
// are date entries with the form's rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/entry/DateEntry.h"
#include "ui/form/DateForm.h"

class DateFormHandlers : public DateForm, private EntryControls {
public:
    // Commands and clock.
    void FillInitialLists();
    void OnClockTick();
    void OnCalculate();
    void OnReset();
    void OnFromToday();
    void OnUntilToday();

    // Typing aids.
    void OnChangeStartYear();
    void OnChangeEndYear();
    void OnEditChangeStartMonth();
    void OnEditChangeEndMonth();
    void OnEditChangeStartDay();
    void OnEditChangeEndDay();
    void OnDropDownEndMonth();
    void OnDropDownStartDay();
    void OnDropDownEndDay();
    // Text pasted into a year field (StartYear or EndYear): a whole date fills that date and
    // moves the focus on as typing it would; any other text the field pastes as usual.
    PasteOutcome OnPasteIntoYear(FieldId year, std::string_view cp949Text);

    // The form's two dates for the date tools, when its six fields hold two that exist.
    std::optional<DatePair> DatesForTools();

protected:
    ~DateFormHandlers() = default;

    // Today's local date, read afresh on each call.
    virtual CivilDate ReadToday() = 0;
    // Tells screen readers that the result line has a new text to read out.
    virtual void AnnounceResult() = 0;

private:
    std::string EntryText(int field) override;
    void WriteEntry(int field, const std::string& text) override;
    void ClearEntryList(int field) override;
    void AddEntryItem(int field, const std::string& text) override;
    void FocusEntry(int field) override;

    DateEntry start_{*this, kFormRules, static_cast<int>(FieldId::StartYear),
                     static_cast<int>(FieldId::EndYear)};
    DateEntry end_{*this, kFormRules, static_cast<int>(FieldId::EndYear),
                   static_cast<int>(FieldId::EndDay)};
};
