// Commands and clock of the date form.
#include "ui/DateFormHandlers.h"

void DateFormHandlers::FillInitialLists() {}
void DateFormHandlers::OnClockTick() {}
void DateFormHandlers::OnCalculate() {}
void DateFormHandlers::OnReset() {}
void DateFormHandlers::OnFromToday() {}
void DateFormHandlers::OnUntilToday() {}
