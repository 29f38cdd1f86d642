// The controls of the date tools window as its page logic sees them: pages of date fields, an
// amount with its unit and direction, check boxes, a page with a year field and one result area
// (on the pages that answer with a list of lines, their list). Texts are CP949 byte strings. The
// main form's DateForm is separate; the two windows share only the typing rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/DateMath.h"

// The pages, in the order of their buttons.
enum class ToolPage { Period, Shift, Age, Lunar, Anniversaries, Holidays };
constexpr int kToolPageCount = static_cast<int>(ToolPage::Holidays) + 1;

// Every input of the window. Each date is three consecutive fields: year, month, day.
enum class ToolField {
    StartYear,
    StartMonth,
    StartDay,
    EndYear,
    EndMonth,
    EndDay,
    PeriodIncludeStart,
    BaseYear,
    BaseMonth,
    BaseDay,
    Amount,
    Unit,
    ShiftDirection,
    ShiftIncludeStart,
    BirthYear,
    BirthMonth,
    BirthDay,
    ReferenceYear,
    ReferenceMonth,
    ReferenceDay,
    ShiftToWorkingDay,  // 더하기/빼기: a result on a day off moves to the next working day
    HolidayYear,
    SolarYear,  // 음력: the solar date to convert
    SolarMonth,
    SolarDay,
    LunarYear,  // 음력: the lunar date to convert, with its 윤달 check box
    LunarMonth,
    LunarDay,
    LunarLeapMonth,
    BirthIsLunar,  // 만 나이: the birth date is a lunar one, of a leap month with the second box
    BirthLeapMonth,
    AnniversaryYear,  // 기념일: the base date
    AnniversaryMonth,
    AnniversaryDay,
    AnniversaryIncludeStart,
    AnniversaryLunarYearly,
};
constexpr int kToolFieldCount = static_cast<int>(ToolField::AnniversaryLunarYearly) + 1;
// The amount takes up to seven digits.
constexpr std::size_t kAmountDigits = 7;

class DateToolsForm {
public:
    virtual std::string GetText(ToolField field) = 0;
    // A write to a year or amount field raises its change handler inside the write; writes
    // to month and day boxes raise nothing.
    virtual void SetText(ToolField field, const std::string& text) = 0;
    // Empties a month or day box: its list and its text.
    virtual void ClearList(ToolField field) = 0;
    virtual void AddListItem(ToolField field, const std::string& text) = 0;
    // The chosen item of the unit or direction list, from 0; -1 for none.
    virtual int GetSelection(ToolField field) = 0;
    virtual void SetSelection(ToolField field, int index) = 0;
    virtual bool IsChecked(ToolField field) = 0;
    // Checks or clears a check box; raises nothing.
    virtual void SetChecked(ToolField field, bool checked) = 0;
    // Moves the focus as Tab does, so that the field's text is selected.
    virtual void FocusField(ToolField field) = 0;
    // Shows the page's controls, hides the others' and checks the page's radio button.
    virtual void ShowPage(ToolPage page) = 0;
    virtual void SetResultText(const std::string& text) = 0;
    // On a page whose result is a list: selects the line (from 0) and scrolls it into view.
    virtual void SelectResultLine(int line) = 0;
    // Names the result area for screen readers (the holiday list: what it shows).
    virtual void NameResultArea(const std::string& name) = 0;
    // Tells screen readers that the result area has a new text to read out.
    virtual void AnnounceResult() = 0;
    // Today's local date, read afresh on each call.
    virtual CivilDate ReadToday() = 0;
    // The user's holiday file (공휴일.txt).
    struct UserFile {
        // Its bytes; nothing when there is none or it is unreadable.
        std::optional<std::string> bytes;
        // There, but too large, locked or not permitted.
        bool unreadable = false;
    };
    virtual UserFile ReadUserHolidayFile() = 0;
    // A name from a UTF-8 or UTF-16 file in CP949 (characters CP949 lacks become '?').
    virtual std::string Cp949FromUtf8(std::string_view utf8) = 0;

protected:
    ~DateToolsForm() = default;
};
