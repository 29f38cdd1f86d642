// The date form without a window, for native tests of its handlers. It keeps the six fields,
// their lists, the two status lines and the focus, and follows the platform's rules: a write to
// a year field runs that field's year handler inside the write, even when the text stays the
// same; the system's writes to month and day boxes raise nothing; the user's edits of a box raise
// its edit-change handler; day lists keep their items sorted; year fields refuse typed
// non-digits; a field the program moves the focus into has its text selected, so the next key
// replaces it, while a click leaves the caret at the end. Commands are clicked by calling their
// handlers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form/DateFormHandlers.h"

// The list items first..last as the form shows them (" 1" .. " 9", "10" .. "31"), written here
// rather than by the form's own helper, so that a fault in that helper shows.
inline std::vector<std::string> TwoColumnItems(int first, int last) {
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) items.push_back((n < 10 ? " " : "") + std::to_string(n));
    return items;
}

// Final, so its public non-virtual destructor is safe; the bases' destructors are protected.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class FakeDateForm final : public DateFormHandlers {
public:
    // Opens as the real form does: empty fields, full lists, the focus in the start year. The
    // status lines start empty rather than with the template's texts.
    FakeDateForm() { FillInitialLists(); }

    std::string GetFieldText(FieldId field) override { return Box(field).text; }
    void SetFieldInt(FieldId field, int value) override;
    void SetFieldText(FieldId field, const std::string& text) override;
    void SetLineText(int lineId, const std::string& text) override;
    void ClearList(FieldId field) override;
    void AddListItem(FieldId field, const std::string& text) override;
    void FocusField(FieldId field) override {
        focus_ = field;
        selected_ = true;
    }

    // Writes the six fields in tab order as the system does, so the year handlers run.
    void WriteFields(const std::array<std::string, 6>& texts) {
        for (size_t i = 0; i < texts.size(); ++i) SetFieldText(static_cast<FieldId>(i), texts[i]);
    }

    // The user's actions. Typing, deleting and pasting go to the focused field.
    void ClickInto(FieldId field) {
        focus_ = field;
        selected_ = false;
    }
    void Type(std::string_view keys);  // one CP949 character at a time
    void Backspace();                  // deletes the last character
    // A year field hands the text to the form first, as the real one does.
    void Paste(std::string_view text);
    void OpenList(FieldId field);              // focuses the box, then drops its list down
    void Choose(FieldId field, size_t index);  // picks an item of the list

    // What the user sees.
    const std::string& Text(FieldId field) const { return Box(field).text; }
    const std::vector<std::string>& List(FieldId field) const { return Box(field).list; }
    FieldId Focus() const { return focus_; }
    const std::string& ResultLine() const { return resultLine_; }
    const std::string& TodayLine() const { return todayLine_; }

    CivilDate today{2009, 3, 7};
    int resultAnnouncements = 0;  // times a screen reader was told to read the result line

protected:
    CivilDate ReadToday() override { return today; }
    void AnnounceResult() override { ++resultAnnouncements; }

private:
    struct Control {
        std::string text;
        std::vector<std::string> list;
    };

    Control& Box(FieldId field) { return fields_[static_cast<size_t>(field)]; }
    const Control& Box(FieldId field) const { return fields_[static_cast<size_t>(field)]; }
    // Replaces a field's text as the system or the user does, and raises what the platform
    // raises for it.
    void WriteBySystem(FieldId field, const std::string& text);
    void EditByUser(const std::string& text);

    std::array<Control, 6> fields_;
    FieldId focus_ = FieldId::StartYear;
    bool selected_ = false;  // the focused field's text is selected
    std::string resultLine_, todayLine_;
};
