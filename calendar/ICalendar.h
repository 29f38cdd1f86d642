// Calendar files (RFC 5545 iCalendar) of all-day events, as the text to write to a .ics file:
// UTF-8, CRLF line ends, lines folded at 75 octets. Platform-free.
#pragma once

#include <string>
#include <vector>

#include "calendar/DateMath.h"

// One all-day event. The texts are UTF-8: the program's own texts are CP949, and the window
// converts them before it hands them over.
struct AllDayEvent {
    CivilDate date{};
    std::string uid;      // the same on every save of the same event
    std::string summary;  // the title; any text, escaped here
};

// A moment in UTC, for DTSTAMP.
struct UtcTime {
    CivilDate date{};
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The calendar of the events, published (METHOD:PUBLISH: events to add, not invitations to
// answer), each event stamped with `stamp` (the save time, passed in so that
// the same list and time give the same bytes). An event on 9999-12-31 has no DTEND (an all-day
// event without one lasts that day). RFC 5545 wants at least one event in a calendar: the caller
// offers no file for an empty list.
std::string ICalendarText(const std::vector<AllDayEvent>& events, UtcTime stamp);
