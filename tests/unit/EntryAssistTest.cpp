#include <gtest/gtest.h>

#include "Cp949.h"
#include "FakeDateForm.h"

using enum FieldId;

TEST(EntryAssist, CompleteFieldsMoveTheFocusOnAndImpossibleOnesAreEmptied) {
    const std::string hangul = Cp949(u8"가");
    const struct {
        FieldId field;
        std::string keys;
        std::string text;
        FieldId focus;
    } cases[] = {
        {StartYear, "200", "200", StartYear},   {StartYear, "2009", "2009", StartMonth},
        {StartYear, "2a0-9", "209", StartYear},  // a year field refuses typed non-digits
        {EndYear, "2009", "2009", EndMonth},    {StartMonth, "1", "1", StartMonth},
        {StartMonth, "12", "12", StartDay},     {StartMonth, "13", "", StartDay},
        {StartMonth, "0", "0", StartMonth},     {StartMonth, "a", "", StartMonth},
        {StartMonth, "03", "03", StartDay},     {StartMonth, "00", "", StartDay},
        {StartMonth, "0a", "", StartDay},       {StartDay, "0", "0", StartDay},
        {StartDay, "07", "07", EndYear},        {EndDay, "00", "", EndDay},
        {StartMonth, hangul, "", StartDay},     {EndMonth, "12", "12", EndDay},
        {StartDay, "3", "3", StartDay},         {StartDay, "31", "31", EndYear},
        {StartDay, hangul, "", EndYear},        {EndDay, "31", "31", EndDay},
    };
    for (const auto& c : cases) {
        FakeDateForm form;
        if (c.field == StartDay || c.field == EndDay) form.WriteFields({"", "1", "", "", "1", ""});
        form.ClickInto(c.field);
        form.Type(c.keys);
        EXPECT_EQ(form.Text(c.field), c.text) << c.keys;
        EXPECT_EQ(form.Focus(), c.focus) << c.keys;
    }
}

TEST(EntryAssist, PastedNegativeYearIsEmptiedAndKeepsTheFocus) {
    for (FieldId year : {StartYear, EndYear}) {
        FakeDateForm form;
        form.ClickInto(year);
        form.Paste("-1");
        EXPECT_EQ(form.Text(year), "");
        EXPECT_EQ(form.Focus(), year);
    }
}

TEST(EntryAssist, RaisingTheStartYearPastTheEndYearEmptiesTheEndYearOnly) {
    FakeDateForm form;
    form.WriteFields({"", "", "", "2010", "", ""});
    form.ClickInto(StartYear);
    form.Type("2010");
    EXPECT_EQ(form.Text(EndYear), "2010");  // the same year stays
    form.ClickInto(StartYear);
    form.Backspace();
    form.Type("1");
    EXPECT_EQ(form.Text(EndYear), "");
    EXPECT_EQ(form.Focus(), StartMonth);

    form.WriteFields({"2009", "", "", "", "", ""});
    form.ClickInto(EndYear);
    form.Type("2008");
    EXPECT_EQ(form.Text(StartYear), "2009");
    EXPECT_EQ(form.Text(EndYear), "2008");
}

TEST(EntryAssist, TypedDaysMustFitTheirMonthWithTwentyNineDaysInFebruary) {
    const struct {
        const char* year;
        const char* month;
        const char* day;
        bool kept;
    } cases[] = {
        {"2009", "1", "31", true},  {"2009", "4", "31", false}, {"2009", "4", "30", true},
        {"2009", "2", "29", true},  {"2008", "2", "29", true},  {"2009", " 2", "30", false},
        {"2009", "", "1", false},   {"2009", "1", "00", false}, {"2009", "13", "1", false},
        {"2009", "-1", "1", false},
    };
    for (const auto& c : cases) {
        for (auto [month, day] : {std::pair{StartMonth, StartDay}, std::pair{EndMonth, EndDay}}) {
            FakeDateForm form;
            form.WriteFields({c.year, "", "", c.year, "", ""});
            form.SetFieldText(month, c.month);
            form.ClickInto(day);
            form.Type(c.day);
            EXPECT_EQ(form.Text(day), c.kept ? c.day : "") << c.month << "/" << c.day;
        }
    }
}

TEST(EntryAssist, DayChosenFromTheListStaysWhateverTheMonth) {
    FakeDateForm form;
    form.Choose(StartDay, 30);
    EXPECT_EQ(form.Text(StartDay), "31");
    EXPECT_EQ(form.Focus(), StartDay);
}

TEST(EntryAssist, EndMonthListStartsAtTheStartMonthWithinOneYear) {
    const struct {
        const char* startYear;
        const char* endYear;
        const char* startMonth;
        int first;
    } cases[] = {
        {"2009", "2009", "5", 5}, {"2009", "2009", "", 1}, {"2009", "2010", "5", 1},
        {"", "", "5", 5},         {"", "", "-3", 1},       {"2009", "2009", "13", 13},
    };
    for (const auto& c : cases) {
        FakeDateForm form;
        form.WriteFields({c.startYear, c.startMonth, "", c.endYear, "7", ""});
        form.OpenList(EndMonth);
        EXPECT_EQ(form.List(EndMonth), TwoColumnItems(c.first, 12)) << c.startMonth;
        EXPECT_EQ(form.Text(EndMonth), "");
    }
}

TEST(EntryAssist, StartDayListFollowsTheStartMonthAndLeapYears) {
    const struct {
        const char* year;
        const char* month;
        int last;
    } cases[] = {
        {"2009", "1", 31}, {"2009", "4", 30}, {"2008", "2", 29}, {"2000", "2", 29},
        {"", "2", 29},     {"2009", "2", 28}, {"1900", "2", 28}, {"2009", "12", 31},
    };
    for (const auto& c : cases) {
        FakeDateForm form;
        form.WriteFields({c.year, c.month, "15", "", "", ""});
        form.OpenList(StartDay);
        EXPECT_EQ(form.List(StartDay), TwoColumnItems(1, c.last)) << c.year << "/" << c.month;
        EXPECT_EQ(form.Text(StartDay), "");
    }
}

TEST(EntryAssist, StartDayListAndTextStayWhileTheStartMonthIsEmpty) {
    FakeDateForm form;
    form.WriteFields({"2009", "4", "", "", "", ""});
    form.OpenList(StartDay);
    form.WriteFields({"2009", "", "15", "", "", ""});
    form.OpenList(StartDay);
    EXPECT_EQ(form.List(StartDay), TwoColumnItems(1, 30));
    EXPECT_EQ(form.Text(StartDay), "15");
}

TEST(EntryAssist, EndDayListStartsAtTheStartDayWithinOneMonthAndEndsWithTheEndMonth) {
    const struct {
        std::array<std::string, 6> fields;
        int first = 0;
        int last = 0;
    } cases[] = {
        {{"2009", "1", "10", "2010", "", ""}, 1, 31},
        {{"2009", "1", "10", "2010", "4", ""}, 1, 30},
        {{"2009", "1", "10", "2008", "2", ""}, 1, 29},  // the end year alone decides February
        {{"2008", "1", "10", "2009", "2", ""}, 1, 28},
        {{"2009", "1", "10", "2009", "3", ""}, 1, 31},
        {{"2009", "3", "10", "2010", "3", ""}, 1, 31},
        {{"2009", "1", "", "2009", "1", ""}, 1, 31},
        {{"2009", "1", "10", "2009", "1", ""}, 10, 31},
        {{"2008", "2", "20", "2008", "2", ""}, 20, 29},
        {{"2009", "2", "29", "2009", "2", ""}, 29, 28},
        {{"2009", "1", "-5", "2009", "1", ""}, 1, 31},
        {{"2009", "1", "99", "2009", "1", ""}, 99, 31},
    };
    for (const auto& c : cases) {
        FakeDateForm form;
        form.WriteFields(c.fields);
        form.SetFieldText(EndDay, "7");
        form.OpenList(EndDay);
        EXPECT_EQ(form.List(EndDay), TwoColumnItems(c.first, c.last))
            << testing::PrintToString(c.fields);
        EXPECT_EQ(form.Text(EndDay), "");
    }
}

// The month checks keep such values out of the fields; the lists must not depend on that.
TEST(EntryAssist, DayListsAndTextsStayForAMonthOutsideTheCalendar) {
    for (const char* month : {"13", "-2"}) {
        FakeDateForm form;
        form.WriteFields({"2009", month, "15", "2009", month, "15"});
        form.OpenList(StartDay);
        form.OpenList(EndDay);
        for (FieldId day : {StartDay, EndDay}) {
            EXPECT_EQ(form.List(day), TwoColumnItems(1, 31)) << month;
            EXPECT_EQ(form.Text(day), "15") << month;
        }
    }
}
