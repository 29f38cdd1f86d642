// The date tools window without a window, for native tests of its page logic. It follows the
// platform's rules as the real window does: a write to a year or amount field runs its change
// handler inside the write; writes to boxes raise nothing; the user's edits raise the field's
// handler; year and amount fields refuse typed non-digits and keys past their length; a paste
// into them asks the page logic first; the focus leaving an input raises its kill-focus.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/tools/DateToolsHandlers.h"

// Final, so its public non-virtual destructor is safe; the base's destructor is protected.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class FakeDateTools final : public DateToolsHandlers {
public:
    // Opens as the real window does, on 2026-12-09, with the user's holiday file if given.
    explicit FakeDateTools(const std::optional<DatePair>& mainFormDates = std::nullopt,
                           std::optional<std::string> userFile = std::nullopt)
        : userFile_(std::move(userFile)) {
        Open(mainFormDates);
    }

    std::string GetText(ToolField field) override { return Box(field).text; }
    void SetText(ToolField field, const std::string& text) override;
    void ClearList(ToolField field) override { Box(field) = {}; }
    void AddListItem(ToolField field, const std::string& text) override {
        Box(field).list.push_back(text);
    }
    int GetSelection(ToolField field) override { return Box(field).selection; }
    void SetSelection(ToolField field, int index) override { Box(field).selection = index; }
    bool IsChecked(ToolField field) override { return Box(field).checked; }
    void SetChecked(ToolField field, bool checked) override { Box(field).checked = checked; }
    void FocusField(ToolField field) override;
    void ShowPage(ToolPage page) override { shownPage = page; }
    void SetResultText(const std::string& text) override {
        result = text;
        selectedLine = -1;
    }
    void SelectResultLine(int line) override { selectedLine = line; }
    void NameResultArea(const std::string& name) override { areaName = name; }
    void AnnounceResult() override { ++announcements; }
    CivilDate ReadToday() override { return today; }
    UserFile ReadUserHolidayFile() override {
        ++fileReads;
        return {userFile_, userFileUnreadable};
    }
    std::string Cp949FromUtf8(std::string_view utf8) override;

    // The user's actions; typing and pasting go to the focused field and replace its text
    // while the text is selected, as it is when the focus lands on the field.
    void ClickInto(ToolField field) { FocusField(field); }
    void Type(std::string_view keys);  // one CP949 character at a time
    void Paste(std::string_view text);
    void Choose(ToolField field, int index);  // a list item, a unit or a direction
    void Check(ToolField box);                // clicks a check box
    // Writes a date's three fields as the system does (the handlers stay quiet but for the
    // year's change).
    void WriteDate(ToolField year, const std::string& y, const std::string& m,
                   const std::string& d);

    const std::string& Text(ToolField field) const { return Box(field).text; }
    const std::vector<std::string>& List(ToolField field) const { return Box(field).list; }
    ToolField Focus() const { return focus_; }

    CivilDate today{2026, 12, 9};
    ToolPage shownPage = ToolPage::Period;
    std::string result;
    int selectedLine = -1;  // in the result's list, -1 for none
    std::string areaName;
    int announcements = 0;
    int fileReads = 0;
    int beeps = 0;  // refused pastes
    bool userFileUnreadable = false;

private:
    struct Control {
        std::string text;
        std::vector<std::string> list;
        int selection = -1;
        bool checked = false;
    };

    Control& Box(ToolField field) { return controls_[static_cast<size_t>(field)]; }
    const Control& Box(ToolField field) const { return controls_[static_cast<size_t>(field)]; }
    void RaiseChange(ToolField field);
    // Replaces the selected text or appends, and raises the field's change.
    void Insert(const std::string& text);

    std::optional<std::string> userFile_;
    std::array<Control, kToolFieldCount> controls_;
    ToolField focus_ = ToolField::StartYear;
    bool selected_ = false;
};
