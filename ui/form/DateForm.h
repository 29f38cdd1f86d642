// The eight control operations through which every handler of the date form reads and writes
// its six date fields and its two status lines. Texts are CP949 byte strings.
#pragma once

#include <string>

#include "calendar/Data_Day.h"

class DateForm {
public:
    // The field's text as a signed decimal number: leading blanks skipped, one optional minus,
    // digits up to the first non-digit; 0 when empty, non-numeric or outside 32 bits.
    int GetFieldInt(FieldId field);
    virtual std::string GetFieldText(FieldId field) = 0;
    // Writes the value in plain signed decimal ("7", "-5").
    virtual void SetFieldInt(FieldId field, int value) = 0;
    virtual void SetFieldText(FieldId field, const std::string& text) = 0;
    // lineId is IDC_RESULT or IDC_TODAY.
    virtual void SetLineText(int lineId, const std::string& text) = 0;
    // Empties a month or day box: its list and its text.
    virtual void ClearList(FieldId field) = 0;
    // Appends to a month list; inserts in sorted order into a day list.
    virtual void AddListItem(FieldId field, const std::string& text) = 0;
    virtual void FocusField(FieldId field) = 0;

protected:
    ~DateForm() = default;
};
