#include "calendar/Data_Day.h"

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

CalcOutcome CalcDateSpan(int, int, int, int, int, int) { return {}; }
