#include "calendar/Holidays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "Cp949.h"
#include "calendar/HolidayRules.h"
#include "calendar/UserHolidayFile.h"

namespace {

std::string Iso(CivilDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// A year's holidays as "MMDD" words, a suffix marking the kind: s 대체공휴일, e 선거일,
// i 임시공휴일. A date with two holidays appears twice.
std::string Words(const std::vector<Holiday>& holidays) {
    static const char* const kSuffix[] = {"", "s", "e", "i"};
    std::ostringstream out;
    for (const Holiday& holiday : holidays) {
        char word[8];
        std::snprintf(word, sizeof word, "%02d%02d%s", holiday.date.month, holiday.date.day,
                      kSuffix[static_cast<int>(holiday.kind)]);
        out << (out.tellp() > 0 ? " " : "") << word;
    }
    return out.str();
}

// The holidays of each year as the 관보 announced them (the 공휴일, 대체공휴일, 임시공휴일 and
// 선거일 announcements, as the public 특일 data set lists them), written down independently of
// the rules; 2027 as the rules in force at the end of 2026 give it.
struct PublishedYear {
    int year;
    const char* holidays;
};

constexpr PublishedYear kPublished[] = {
    {2015,
     "0101 0218 0219 0220 0301 0505 0525 0606 0814i 0815 0926 0927 0928 0929s 1003 1009 1225"},
    {2016,
     "0101 0207 0208 0209 0210s 0301 0413e 0505 0506i 0514 0606 0815 0914 0915 0916 1003 "
     "1009 1225"},
    {2017,
     "0101 0127 0128 0129 0130s 0301 0503 0505 0509e 0606 0815 1002i 1003 1003 1004 1005 "
     "1006s 1009 1225"},
    {2018,
     "0101 0215 0216 0217 0301 0505 0507s 0522 0606 0613e 0815 0923 0924 0925 0926s 1003 "
     "1009 1225"},
    {2019, "0101 0204 0205 0206 0301 0505 0506s 0512 0606 0815 0912 0913 0914 1003 1009 1225"},
    {2020,
     "0101 0124 0125 0126 0127s 0301 0415e 0430 0505 0606 0815 0817i 0930 1001 1002 1003 "
     "1009 1225"},
    {2021,
     "0101 0211 0212 0213 0301 0505 0519 0606 0815 0816s 0920 0921 0922 1003 1004s 1009 "
     "1011s 1225"},
    {2022,
     "0101 0131 0201 0202 0301 0309e 0505 0508 0601e 0606 0815 0909 0910 0911 0912s 1003 "
     "1009 1010s 1225"},
    {2023,
     "0101 0121 0122 0123 0124s 0301 0505 0527 0529s 0606 0815 0928 0929 0930 1002i 1003 "
     "1009 1225"},
    {2024,
     "0101 0209 0210 0211 0212s 0301 0410e 0505 0506s 0515 0606 0815 0916 0917 0918 1001i "
     "1003 1009 1225"},
    {2025,
     "0101 0127i 0128 0129 0130 0301 0303s 0505 0505 0506s 0603e 0606 0815 1003 1005 1006 "
     "1007 1008s 1009 1225"},
    {2026,
     "0101 0216 0217 0218 0301 0302s 0501 0505 0524 0525s 0603e 0606 0717 0815 0817s 0924 "
     "0925 0926 1003 1005s 1009 1225"},
    {2027,
     "0101 0206 0207 0208 0209s 0301 0501 0503s 0505 0513 0606 0717 0719s 0815 0816s 0914 "
     "0915 0916 1003 1004s 1009 1011s 1225 1227s"},
};

TEST(Holidays, EveryHolidayOf2015To2027MatchesThePublishedList) {
    const HolidayCalendar calendar;
    for (const PublishedYear& year : kPublished) {
        EXPECT_EQ(Words(calendar.HolidaysOfYear(year.year)), year.holidays) << year.year;
    }
}

// Each change of the rules, seen on the first and the last year it touches; and the lunar dates
// where the Chinese calendar differs (설날 2027 and 2028, 부처님오신날 2023).
TEST(Holidays, RulesChangeInTheYearTheDecreesSay) {
    const struct {
        CivilDate date;
        bool holiday;
    } kDays[] = {
        {{1990, 1, 2}, true},   {{1998, 1, 2}, true},   {{1999, 1, 2}, false},
        {{1990, 10, 1}, true},  {{1991, 10, 1}, false}, {{1990, 10, 9}, true},
        {{1991, 10, 9}, false}, {{2012, 10, 9}, false}, {{2013, 10, 9}, true},
        {{2005, 4, 5}, true},   {{2006, 4, 5}, false},  {{2007, 7, 17}, true},
        {{2008, 7, 17}, false}, {{2025, 7, 17}, false}, {{2026, 7, 17}, true},
        {{2025, 5, 1}, false},  {{2026, 5, 1}, true},   {{2028, 1, 26}, true},
        {{2028, 1, 25}, false}, {{2023, 5, 26}, false}, {{2050, 9, 30}, true},
        {{1991, 3, 26}, true},  {{2002, 7, 1}, true},   {{2026, 6, 3}, true},
    };
    const HolidayCalendar calendar;
    for (const auto& day : kDays) {
        EXPECT_EQ(!calendar.HolidaysOn(day.date).empty(), day.holiday) << Iso(day.date);
    }
    EXPECT_TRUE(calendar.HolidaysOfYear(1989).empty());
    EXPECT_TRUE(calendar.HolidaysOfYear(2051).empty());
}

TEST(Holidays, SubstitutesFollowTheDecreeInForceOnTheDay) {
    const CivilDate kSubstitutes[] = {{2014, 9, 10}, {2017, 10, 6}, {2021, 8, 16},
                                      {2023, 5, 29}, {2024, 2, 12}, {2025, 5, 6},
                                      {2025, 10, 8}, {2026, 3, 2},  {2027, 2, 9}};
    const HolidayCalendar calendar;
    for (const CivilDate date : kSubstitutes) {
        const std::vector<Holiday> on = calendar.HolidaysOn(date);
        ASSERT_EQ(on.size(), 1U) << Iso(date);
        EXPECT_EQ(on[0].kind, HolidayKind::Substitute) << Iso(date);
        EXPECT_FALSE(calendar.IsWorkingDay(date)) << Iso(date);
    }
    // 기독탄신일 2021 fell on a Saturday before its substitute came in; 설날 and 어린이날 of 2013
    // fell on Sundays before the decree of 2013-11-05.
    EXPECT_TRUE(calendar.IsWorkingDay({2021, 12, 27}));
    EXPECT_TRUE(calendar.IsWorkingDay({2013, 2, 12}));
    EXPECT_TRUE(calendar.IsWorkingDay({2013, 5, 6}));
    EXPECT_EQ(HolidayLabel(calendar.HolidaysOn({2026, 3, 2})[0]), Cp949(u8"대체공휴일(삼일절)"));
    EXPECT_EQ(HolidayLabel(calendar.HolidaysOn({2025, 5, 6})[0]),
              Cp949(u8"대체공휴일(어린이날·부처님오신날)"));
}

TEST(Holidays, SundaysAreHolidaysAndSaturdaysAreNotWorkingDays) {
    const HolidayCalendar calendar;
    EXPECT_TRUE(calendar.IsPublicHoliday({2026, 12, 6}));   // a Sunday
    EXPECT_FALSE(calendar.IsPublicHoliday({2026, 12, 5}));  // a Saturday
    EXPECT_FALSE(calendar.IsWorkingDay({2026, 12, 5}));
    EXPECT_TRUE(calendar.IsWorkingDay({2026, 12, 4}));
    EXPECT_TRUE(calendar.IsWorkingDay({2051, 1, 2}));  // uncovered: only weekends off
}

TEST(UserHolidayFile, ReadsAdditionsRemovalsAndReportsBadLines) {
    const std::string text =
        "\xEF\xBB\xBF# 추가\r\n"
        "2026-10-02 임시공휴일\r\n"
        "\n"
        "  -2026-10-09   # 한글날은 근무\n"
        "2026-02-30 없는 날\n"
        "2026-10-02\n"
        "-2026-10-09 이름\n"
        "2026-1-2 짧은 날짜\n"
        "2026-10-0212 붙은 글자\n"
        "2026-11-11 \x7F\n"  // a control character
        "2027-01-04 둘째 추가";
    const UserHolidayChanges changes = ParseUserHolidayFile(text);
    ASSERT_EQ(changes.additions.size(), 2U);
    EXPECT_EQ(changes.additions[0].date, (CivilDate{2026, 10, 2}));
    EXPECT_TRUE(changes.namesAreUtf8);
    EXPECT_EQ(changes.additions[0].name, "임시공휴일");
    EXPECT_EQ(changes.additions[1].name, "둘째 추가");
    EXPECT_EQ(changes.removals, (std::vector<CivilDate>{{2026, 10, 9}}));
    EXPECT_EQ(changes.badLines, (std::vector<int>{5, 6, 7, 8, 9, 10}));

    HolidayCalendar calendar;
    EXPECT_TRUE(calendar.IsWorkingDay({2026, 10, 2}));
    ApplyUserHolidays(calendar, changes);
    EXPECT_FALSE(calendar.IsWorkingDay({2026, 10, 2}));
    EXPECT_TRUE(calendar.IsWorkingDay({2026, 10, 9}));
    EXPECT_TRUE(ParseUserHolidayFile("").badLines.empty());
}

// Notepad's encodings: the same file gives the same holidays, names in CP949 once converted.
TEST(UserHolidayFile, ReadsEveryEncodingNotepadWrites) {
    const std::string utf8 = "2026-10-02 창립일\r\n-2026-10-09\r\n";
    auto utf16 = [&](bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : std::u16string(u"2026-10-02 창립일\r\n-2026-10-09\r\n")) {
            const char high = static_cast<char>(unit >> 8);
            const char low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    for (const std::string& file :
         {utf8, "\xEF\xBB\xBF" + utf8, utf16(false), utf16(true), Cp949(utf8)}) {
        UserHolidayChanges changes = ParseUserHolidayFile(file);
        if (changes.namesAreUtf8) changes.additions.at(0).name = Cp949(changes.additions[0].name);
        EXPECT_TRUE(changes.badLines.empty());
        ASSERT_EQ(changes.additions.size(), 1U);
        EXPECT_EQ(changes.additions[0].name, Cp949(u8"창립일"));
        EXPECT_EQ(changes.removals, (std::vector<CivilDate>{{2026, 10, 9}}));
    }
    // Overlong forms of '/' make a file that is not UTF-8; read as CP949 they are bad lines,
    // never a name.
    for (const char* overlong : {"2026-10-02 a\xE0\x80\xAF", "2026-10-02 a\xF0\x80\x80\xAF"}) {
        const UserHolidayChanges changes = ParseUserHolidayFile(overlong);
        EXPECT_FALSE(changes.namesAreUtf8);
        EXPECT_TRUE(changes.additions.empty());
        EXPECT_EQ(changes.badLines, std::vector<int>{1});
    }
    // A lone surrogate in a UTF-16 file spoils its line alone.
    const UserHolidayChanges lone =
        ParseUserHolidayFile(std::string("\xFF\xFE"
                                         "2\0\n\0"
                                         "2\0\x00\xD8",
                                         8));
    EXPECT_EQ(lone.badLines, (std::vector<int>{1, 2}));
}

// 공직선거법 제34조 reproduces the election days of 2018..2026 (the early ones aside) and
// schedules those of the terms ending after the release.
TEST(Holidays, ElectionDaysFollowTheElectionActsRule) {
    const HolidayCalendar calendar;
    const struct {
        CivilDate termEnd;
        int daysBefore;
        const char* election;
    } kPast[] = {
        {{2018, 6, 30}, 30, "2018-06-13"},  // 현충일 on the Wednesday: a week later
        {{2020, 5, 29}, 50, "2020-04-15"},
        {{2022, 5, 9}, 70, "2022-03-09"},  // 삼일절 the day before: a week later
        {{2022, 6, 30}, 30, "2022-06-01"},
        {{2024, 5, 29}, 50, "2024-04-10"},
        {{2026, 6, 30}, 30, "2026-06-03"},
    };
    for (const auto& past : kPast) {
        EXPECT_EQ(Iso(ElectionDayByLaw(past.termEnd, past.daysBefore,
                                       calendar.HolidaysOfYear(past.termEnd.year))),
                  past.election);
    }
    const std::vector<Holiday> assembly = calendar.HolidaysOn({2028, 4, 12});
    ASSERT_EQ(assembly.size(), 1U);
    EXPECT_TRUE(assembly[0].scheduled);
    EXPECT_EQ(HolidayLabel(assembly[0]), Cp949(u8"제23대 국회의원선거"));
    EXPECT_EQ(HolidayKindText(assembly[0]), Cp949(u8"선거일, 예정"));
    EXPECT_EQ(calendar.HolidaysOn({2030, 6, 12}).size(), 1U);  // 현충일 the day after 06-05
    EXPECT_EQ(calendar.HolidaysOn({2030, 3, 27}).size(), 1U);
    EXPECT_EQ(std::ranges::count_if(calendar.HolidaysBetween({2027, 1, 1}, {2050, 12, 31}),
                                    [](const Holiday& holiday) { return holiday.scheduled; }),
              17);
}

}  // namespace
