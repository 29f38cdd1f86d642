#include "calendar/ICalendar.h"

#include <optional>
#include <string_view>

#include "calendar/IntegerFormat.h"

namespace {

// RFC 5545 3.1: a line holds at most 75 octets before its CRLF.
constexpr std::size_t kMaxLineOctets = 75;

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Appends a content line with its CRLF, folded: each continuation line begins with a space and
// holds 74 octets more at most; a fold never falls inside a UTF-8 sequence.
void AppendLine(std::string& out, std::string_view line) {
    std::size_t room = kMaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsUtf8Continuation(line[cut])) --cut;
        if (cut == 0) cut = room;  // not UTF-8: no sequence to keep whole
        out.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = kMaxLineOctets - 1;
    }
    out.append(line).append("\r\n");
}

// A TEXT value (RFC 5545 3.3.11): backslash, semicolon and comma escaped, each line break (CRLF,
// LF or CR) written as \n.
std::string EscapedText(std::string_view text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped.append(1, '\\').append(1, c);
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// A DATE value: "20260608".
std::string DateValue(CivilDate date) {
    return FormatIntegers("%04d%02d%02d", {date.year, date.month, date.day});
}

}  // namespace

std::string ICalendarText(const std::vector<AllDayEvent>& events, UtcTime stamp) {
    const std::string dtstamp =
        "DTSTAMP:" + DateValue(stamp.date) +
        FormatIntegers("T%02d%02d%02dZ", {stamp.hour, stamp.minute, stamp.second});
    std::string text;
    for (const char* line : {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Tessaro//Tessaro//KO",
                             "CALSCALE:GREGORIAN", "METHOD:PUBLISH"}) {
        AppendLine(text, line);
    }
    for (const AllDayEvent& event : events) {
        AppendLine(text, "BEGIN:VEVENT");
        AppendLine(text, "UID:" + EscapedText(event.uid));
        AppendLine(text, dtstamp);
        AppendLine(text, "DTSTART;VALUE=DATE:" + DateValue(event.date));
        const std::optional<CivilDate> next =
            ShiftDate(event.date, 1, PeriodUnit::Days, Direction::After, false);
        if (next) AppendLine(text, "DTEND;VALUE=DATE:" + DateValue(*next));
        AppendLine(text, "SUMMARY:" + EscapedText(event.summary));
        AppendLine(text, "TRANSP:TRANSPARENT");
        AppendLine(text, "END:VEVENT");
    }
    AppendLine(text, "END:VCALENDAR");
    return text;
}
