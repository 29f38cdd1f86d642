#include "FakeDateTools.h"

#include <utility>

#include "Cp949.h"

using enum ToolField;

namespace {

bool IsEdit(ToolField field) {
    return field == StartYear || field == EndYear || field == BaseYear || field == BirthYear ||
           field == ReferenceYear || field == Amount || field == HolidayYear ||
           field == AnniversaryYear;
}

size_t LengthLimit(ToolField field) {
    return field == Amount ? 7 : 4;
}

// Length of the CP949 character starting at text[i]: a lead byte takes a trail byte with it.
size_t CharLength(std::string_view text, size_t i) {
    return static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

void FakeDateTools::RaiseChange(ToolField field) {
    if (field == Amount)
        OnAmountChange();
    else if (IsEdit(field))
        OnYearChange(field);
    else
        OnBoxEditChange(field);
}

// A write into the focused field leaves nothing selected there, so the next key no longer
// replaces the text (the real field types at the caret, which the write puts at the start).
void FakeDateTools::SetText(ToolField field, const std::string& text) {
    Box(field).text = text;
    if (field == focus_) selected_ = false;
    if (IsEdit(field)) RaiseChange(field);
}

void FakeDateTools::FocusField(ToolField field) {
    if (field != focus_) OnFieldLeft();
    focus_ = field;
    selected_ = true;
}

void FakeDateTools::Type(std::string_view keys) {
    for (size_t i = 0; i < keys.size();) {
        const std::string key(keys.substr(i, CharLength(keys, i)));
        i += key.size();
        const ToolField field = focus_;
        if (IsEdit(field)) {
            const bool digit = key.size() == 1 && key[0] >= '0' && key[0] <= '9';
            const size_t kept = selected_ ? 0 : Text(field).size();
            if (!digit || kept >= LengthLimit(field)) continue;
        }
        Insert(key);
    }
}

void FakeDateTools::Insert(const std::string& text) {
    const ToolField field = focus_;
    if (std::exchange(selected_, false)) Box(field).text.clear();
    Box(field).text += text;
    RaiseChange(field);
}

void FakeDateTools::Paste(std::string_view text) {
    if (!IsEdit(focus_)) return Insert(std::string(text));
    const PasteOutcome outcome = OnPaste(focus_, text);
    if (outcome.action == PasteOutcome::Insert) Insert(outcome.text);
    if (outcome.action == PasteOutcome::Refused) ++beeps;
}

void FakeDateTools::Choose(ToolField field, int index) {
    FocusField(field);
    if (field == Unit || field == ShiftDirection)
        Box(field).selection = index;
    else
        Box(field).text = List(field).at(static_cast<size_t>(index));
    OnChoiceChange();
}

void FakeDateTools::Check(ToolField box) {
    Box(box).checked = !Box(box).checked;
    OnChoiceChange();
}

void FakeDateTools::WriteDate(ToolField year, const std::string& y, const std::string& m,
                              const std::string& d) {
    const auto next = [&](int by) { return static_cast<ToolField>(static_cast<int>(year) + by); };
    Box(next(1)).text = m;
    Box(next(2)).text = d;
    SetText(year, y);
}

std::string FakeDateTools::Cp949FromUtf8(std::string_view utf8) {
    return Cp949(std::string(utf8));
}
