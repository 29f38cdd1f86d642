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

// The day 공직선거법 제34조 gives an election whose term ends on termEnd: the first Wednesday
// on or after the day daysBefore days earlier, a week later when it, the day before or the day
// after is a holiday of the list (election days aside). See ScheduledElections.cpp.
CivilDate ElectionDayByLaw(CivilDate termEnd, int daysBefore, const std::vector<Holiday>& holidays);

// Adds the year's election days of terms that end after the release (2028..2050), scheduled
// by that rule, to the year's holidays (date order).
void AddScheduledElections(int year, std::vector<Holiday>& holidays);
