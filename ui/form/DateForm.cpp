#include "ui/form/DateForm.h"

#include "ui/entry/FieldNumber.h"

// Numbers are read by our own rule rather than the platform's, whose details differ between
// Windows versions and Wine.
int DateForm::GetFieldInt(FieldId field) {
    return ParseFieldInt(GetFieldText(field));
}
