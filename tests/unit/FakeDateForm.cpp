#include "FakeDateForm.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "res/resource.h"

using enum FieldId;

namespace {

bool IsYear(FieldId field) {
    return field == StartYear || field == EndYear;
}
bool IsDayBox(FieldId field) {
    return field == StartDay || field == EndDay;
}

// Length of the CP949 character starting at text[i]: a lead byte takes a trail byte with it.
size_t CharLength(std::string_view text, size_t i) {
    return static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
}

// The sort order of a day list: case-insensitive text order.
bool TextLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void FakeDateForm::WriteBySystem(FieldId field, const std::string& text) {
    Box(field).text = text;
    if (field == StartYear) OnChangeStartYear();
    if (field == EndYear) OnChangeEndYear();
}

void FakeDateForm::EditByUser(const std::string& text) {
    selected_ = false;
    Box(focus_).text = text;
    switch (focus_) {
        case StartYear:
            return OnChangeStartYear();
        case EndYear:
            return OnChangeEndYear();
        case StartMonth:
            return OnEditChangeStartMonth();
        case EndMonth:
            return OnEditChangeEndMonth();
        case StartDay:
            return OnEditChangeStartDay();
        case EndDay:
            return OnEditChangeEndDay();
    }
}

void FakeDateForm::SetFieldInt(FieldId field, int value) {
    WriteBySystem(field, std::to_string(value));
}

void FakeDateForm::SetFieldText(FieldId field, const std::string& text) {
    WriteBySystem(field, text);
}

void FakeDateForm::SetLineText(int lineId, const std::string& text) {
    if (lineId == IDC_RESULT)
        resultLine_ = text;
    else if (lineId == IDC_TODAY)
        todayLine_ = text;
    else
        throw std::invalid_argument("no such status line");
}

void FakeDateForm::ClearList(FieldId field) {
    if (IsYear(field)) throw std::invalid_argument("a year field has no list");
    Box(field) = {};
}

void FakeDateForm::AddListItem(FieldId field, const std::string& text) {
    if (IsYear(field)) throw std::invalid_argument("a year field has no list");
    std::vector<std::string>& list = Box(field).list;
    const auto at =
        IsDayBox(field) ? std::upper_bound(list.begin(), list.end(), text, TextLess) : list.end();
    list.insert(at, text);
}

void FakeDateForm::Type(std::string_view keys) {
    for (size_t i = 0; i < keys.size();) {
        const std::string key(keys.substr(i, CharLength(keys, i)));
        i += key.size();
        const bool digit = key.size() == 1 && key[0] >= '0' && key[0] <= '9';
        if (IsYear(focus_) && !digit) continue;  // refused, as a number-only edit field does
        EditByUser(selected_ ? key : Text(focus_) + key);
    }
}

void FakeDateForm::Backspace() {
    const std::string& text = Text(focus_);
    if (text.empty()) return;
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += CharLength(text, i)) last = i;
    EditByUser(text.substr(0, last));
}

void FakeDateForm::Paste(std::string_view text) {
    if (IsYear(focus_) && OnPasteIntoYear(focus_, text).action == PasteOutcome::Filled) return;
    if (!text.empty()) EditByUser((selected_ ? "" : Text(focus_)) + std::string(text));
}

void FakeDateForm::OpenList(FieldId field) {
    focus_ = field;
    if (field == StartDay) OnDropDownStartDay();
    if (field == EndDay) OnDropDownEndDay();
    if (field == EndMonth) OnDropDownEndMonth();
}

void FakeDateForm::Choose(FieldId field, size_t index) {
    focus_ = field;
    Box(field).text = List(field).at(index);
}
