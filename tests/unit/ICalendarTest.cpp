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
    std::string summary;
    for (int i = 0; i < 60; ++i) summary += Utf8(u8"가");
    const std::string text = ICalendarText({{{2026, 6, 8}, "u", summary}}, kSaved);
    const std::size_t start = text.find("SUMMARY:");
    const std::string folded = text.substr(start, text.find("\r\nTRANSP") + 2 - start);
    // "SUMMARY:" and 22 three-octet characters make 74: a 23rd would not fit in 75.
    EXPECT_EQ(folded.find("\r\n"), 74U);
    for (std::size_t at = 0, end = folded.find("\r\n"); end != std::string::npos;
         at = end + 2, end = folded.find("\r\n", at)) {
        EXPECT_LE(end - at, 75U);
        // A continuation line starts on a character's first octet.
        EXPECT_TRUE(at == 0 || (static_cast<unsigned char>(folded[at + 1]) & 0xC0) != 0x80);
    }
    std::string unfolded = folded;
    for (std::size_t at = unfolded.find("\r\n "); at != std::string::npos;
         at = unfolded.find("\r\n ")) {
        unfolded.erase(at, 3);
    }
    EXPECT_EQ(unfolded, "SUMMARY:" + summary + "\r\n");
}

}  // namespace
