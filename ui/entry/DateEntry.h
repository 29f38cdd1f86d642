// One date entry, the same in both windows: a year edit, a month box and a day box. It holds
// the typing aids (a complete field moves the focus on, values that cannot be right vanish), the
// lists, the reading of the three fields, a pasted date and a date written in (today's).
// Written against EntryControls only; each window gives its rules where the windows differ.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/DateMath.h"

// A window's date fields as an entry sees them, by the window's own field numbers; a date's year,
// month and day are three consecutive numbers. Texts are CP949 byte strings.
class EntryControls {
public:
    virtual std::string EntryText(int field) = 0;
    // A write to a year field raises its change handler inside the write; writes to the boxes
    // raise nothing.
    virtual void WriteEntry(int field, const std::string& text) = 0;
    // Empties a box: its list and its text.
    virtual void ClearEntryList(int field) = 0;
    // Appends to a month list; inserts in sorted order into a day list.
    virtual void AddEntryItem(int field, const std::string& text) = 0;
    virtual void FocusEntry(int field) = 0;

protected:
    ~EntryControls() = default;
};

// Where the two windows' rules differ: the date form's are fixed (kFormRules), the tools window
// follows them everywhere else.
struct EntryRules {
    // A year is emptied when it is anything but up to four digits; else only when negative.
    bool yearOfDigitsOnly;
    // A month or day with a non-digit is emptied; else its number alone decides.
    bool boxOfDigitsOnly;
    // A box of two characters moves the focus on even when it was just emptied.
    bool moveOnWhenEmptied;
    // The day list follows the month and year as they change, and bounds a typed day; else a
    // typed day is bounded by the month alone (29 in February, nothing without a month).
    bool dayListFollowsDate;
    // Pasted text that is no date goes in as its digits (blanks around them dropped) when they
    // fit, else it is refused; else the field pastes it as it is.
    bool pastesDigitsOnly;
};
inline constexpr EntryRules kFormRules{false, false, true, false, false};
inline constexpr EntryRules kToolsRules{true, true, false, true, true};

// What typing into a field did.
enum class EntryStep { Typing, Emptied, Completed };

// What to do with text pasted into a year (or number) field.
struct PasteOutcome {
    enum Action { Filled, Insert, AsField, Refused } action;
    std::string text;  // Insert: what goes in, as if typed
};

// The three fields as the user left them.
struct DateReading {
    enum State { Incomplete, Nonexistent, Valid } state;
    CivilDate date;
};

struct DatePair {
    CivilDate start;
    CivilDate end;
};

class DateEntry {
public:
    // year: the window's number of the date's year field. afterDay: where the focus goes once
    // the day is complete; the day itself to stay there.
    DateEntry(EntryControls& controls, const EntryRules& rules, int year, int afterDay);

    int YearField() const { return year_; }
    int MonthField() const { return year_ + 1; }
    int DayField() const { return year_ + 2; }
    bool Holds(int field) const { return field >= year_ && field <= DayField(); }

    // The user's edits.
    EntryStep OnYearChange();
    EntryStep OnBoxEditChange(int box);
    // A whole date fills the entry and moves the focus on as typing it would.
    PasteOutcome OnPaste(std::string_view cp949Text);

    // Writes a date (month and day in plain decimal, "3"), or empties the three fields.
    void Fill(CivilDate date);
    void Empty();
    // Complete once every field holds digits (a year of four, or above 0).
    DateReading Read();

    // Refills the month list with first..12, the day list with first..last (first below 1
    // starts at 1); items in two columns (" 1" .. "31").
    void OfferMonths(int first);
    void OfferDays(int first, int last);
    // The day list as the month and year give it (29 in February and 31 without a month while
    // the year is unknown); rebuilt, keeping the typed day, only when its length changes.
    void FollowDate();
    // A lunar date: every month offers 1..30 (its length needs the year and whether it is a
    // leap month, which the page knows), and any such day reads as a date. The day list follows
    // at the next FollowDate.
    void SetLunar(bool lunar);

private:
    int LastTypedDay();
    void MoveFocus(int field);
    void Offer(int field, int first, int last);

    EntryControls& controls_;
    const EntryRules& rules_;
    int year_;
    int afterDay_;
    int listedDays_ = 0;
    bool lunar_ = false;
};

// Judges a year field's text by the rules: emptied (Emptied), four digits (Completed), or not
// yet complete.
EntryStep JudgeYear(const EntryRules& rules, std::string_view text);
// Digits pasted into a number field of the given room, blanks around them dropped; refused
// when they are no digits or do not fit.
PasteOutcome PastedDigits(std::string_view cp949Text, std::size_t room);
