// The holiday rules of each year, before the user's changes. Used by HolidayCalendar.
#pragma once

#include <span>
#include <vector>

#include "calendar/Holidays.h"

// The holidays the rules give a year of 1990..2050 in date order; nothing for other years.
std::vector<Holiday> RuleHolidaysOfYear(int year);

// "임시공휴일": the kind's name, and the name of a declared holiday.
extern const char kDeclaredKindName[];

// Election days and declared holidays, each fixed by its own act (see DeclaredHolidays.cpp).
std::span<const Holiday> DeclaredHolidays();
