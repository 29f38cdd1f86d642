// Every handler of the date form, written against the DateForm operations only, so that the
// same code runs in the Win32 window and against the fake form of the unit tests.
#pragma once

#include <string>

#include "ui/form/DateForm.h"

// A local calendar date as the system clock gives it.
struct LocalDate {
    int year;
    int month;
    int day;
};

class DateFormHandlers : public DateForm {
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
    // A whole date pasted into a year field (StartYear or EndYear) fills that date and moves the
    // focus on as typing it would; false for any other text, which the field pastes as usual.
    bool FillPastedDate(FieldId year, const std::string& text);

protected:
    ~DateFormHandlers() = default;

    // Today's local date, read afresh on each call.
    virtual LocalDate ReadToday() = 0;
    // Tells screen readers that the result line has a new text to read out.
    virtual void AnnounceResult() = 0;
};
