// Typing aids of the date form.
#include "ui/DateFormHandlers.h"

void DateFormHandlers::OnChangeStartYear() {}
void DateFormHandlers::OnChangeEndYear() {}
void DateFormHandlers::OnEditChangeStartMonth() {}
void DateFormHandlers::OnEditChangeEndMonth() {}
void DateFormHandlers::OnEditChangeStartDay() {}
void DateFormHandlers::OnEditChangeEndDay() {}
void DateFormHandlers::OnDropDownEndMonth() {}
void DateFormHandlers::OnDropDownStartDay() {}
void DateFormHandlers::OnDropDownEndDay() {}
