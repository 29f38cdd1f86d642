// The calendar file's text: layout, escaping and folding.
#include "calendar/ICalendar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf8(std::u8string_view text) {
    return {text.begin(), text.end()};
}

constexpr UtcTime kSaved{{2026, 12, 9}, 19, 5, 7};

TEST(ICalendar, WritesOneAllDayEventPerEntry) {
    const std::vector<AllDayEvent> events = {
        {{2026, 6, 8}, "20260301-days-100@tessaro", Utf8(u8"100일 (2026-03-01부터)")},
        {{9999, 12, 31}, "x@tessaro", "a,b;c\\d\r\ne\nf"},
    };
    EXPECT_EQ(ICalendarText(events, kSaved), Utf8(u8"BEGIN:VCALENDAR\r\n"
                                                  "VERSION:2.0\r\n"
                                                  "PRODID:-//Tessaro//Tessaro//KO\r\n"
                                                  "CALSCALE:GREGORIAN\r\n"
                                                  "METHOD:PUBLISH\r\n"
                                                  "BEGIN:VEVENT\r\n"
                                                  "UID:20260301-days-100@tessaro\r\n"
                                                  "DTSTAMP:20261209T190507Z\r\n"
                                                  "DTSTART;VALUE=DATE:20260608\r\n"
                                                  "DTEND;VALUE=DATE:20260609\r\n"
                                                  "SUMMARY:100일 (2026-03-01부터)\r\n"
                                                  "TRANSP:TRANSPARENT\r\n"
                                                  "END:VEVENT\r\n"
                                                  "BEGIN:VEVENT\r\n"
                                                  "UID:x@tessaro\r\n"
                                                  "DTSTAMP:20261209T190507Z\r\n"
                                                  "DTSTART;VALUE=DATE:99991231\r\n"
                                                  "SUMMARY:a\\,b\\;c\\\\d\\ne\\nf\r\n"
                                                  "TRANSP:TRANSPARENT\r\n"
                                                  "END:VEVENT\r\n"
                                                  "END:VCALENDAR\r\n"));
}

TEST(ICalendar, FoldsLongLinesAt75OctetsBetweenCharacters) {
    auto hangul = [](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += Utf8(u8"가");
        return text;
    };
    const std::string text = ICalendarText({{{2026, 6, 8}, "u", hangul(48)}}, kSaved);
    // "SUMMARY:" and 22 three-octet characters make 74 octets, a space and 24 make 73: one more
    // would not fit in 75.
    EXPECT_NE(text.find("\r\nSUMMARY:" + hangul(22) + "\r\n " + hangul(24) + "\r\n " + hangul(2) +
                        "\r\nTRANSP"),
              std::string::npos);
}

}  // namespace
