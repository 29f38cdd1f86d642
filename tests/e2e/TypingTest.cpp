// The typing aids under real keystrokes: the focus follows complete entries, wrong values
// vanish, and the lists offer what fits the dates typed so far.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FormControls.h"
#include "TessaroDriver.h"

namespace {

std::vector<std::wstring> TwoColumnNumbers(int first, int last) {
    std::vector<std::wstring> items;
    for (int n = first; n <= last; ++n) {
        wchar_t item[8];
        swprintf(item, 8, L"%2d", n);
        items.emplace_back(item);
    }
    return items;
}

TEST(Typing, AWholeDatePairTypedWithoutTabLandsInItsFields) {
    TessaroDriver app;
    const struct {
        const wchar_t* keys;
        int field;
        int focusAfter;
    } entries[] = {
        {L"2009", kStartYear, kStartMonth}, {L"10", kStartMonth, kStartDay},
        {L"15", kStartDay, kEndYear},       {L"2010", kEndYear, kEndMonth},
        {L"12", kEndMonth, kEndDay},        {L"25", kEndDay, kEndDay},
    };
    for (const auto& entry : entries) {
        app.Type(entry.keys);
        EXPECT_EQ(app.FocusedId(), entry.focusAfter) << "after " << entry.field;
    }
    for (const auto& entry : entries) EXPECT_EQ(app.Text(entry.field), entry.keys);

    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 436일입니다.");
}

TEST(Typing, AMonthOutsideOneToTwelveVanishesAndTheFocusMovesOn) {
    TessaroDriver app;
    app.TypeInto(kStartMonth, L"13");
    EXPECT_EQ(app.Text(kStartMonth), L"");
    EXPECT_EQ(app.FocusedId(), kStartDay);
}

TEST(Typing, AnOpenedListOffersOnlyWhatFitsTheDatesTypedSoFar) {
    const struct {
        const char* what;
        std::vector<std::pair<int, const wchar_t*>> typed;
        int list;
        int first, last;
    } cases[] = {
        {"end months from the start month of the same year",
         {{kStartYear, L"2009"}, {kStartMonth, L"5"}, {kEndYear, L"2009"}},
         kEndMonth,
         5,
         12},
        {"the start days of February 2009",
         {{kStartYear, L"2009"}, {kStartMonth, L"2"}},
         kStartDay,
         1,
         28},
        {"end days from the start day of the same month",
         {{kStartYear, L"2009"},
          {kStartMonth, L"1"},
          {kStartDay, L"10"},
          {kEndYear, L"2009"},
          {kEndMonth, L"1"}},
         kEndDay,
         10,
         31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TessaroDriver app;
        for (const auto& [field, text] : c.typed) app.TypeInto(field, text);
        EXPECT_EQ(app.OpenList(c.list), TwoColumnNumbers(c.first, c.last));
    }
}

// Typed as the user guide writes it, spaces and all: a space is refused by a year field and
// emptied by a box. The second pair goes over the first, each field replaced as the focus
// reaches it.
TEST(Typing, TheGuidesExampleFillsTheFormAndASecondPairTypedOverItReplacesIt) {
    TessaroDriver app;
    app.Type(L"2009 03 07 2009 12 25");
    const wchar_t* first[] = {L"2009", L"03", L"07", L"2009", L"12", L"25"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(app.Text(kDateFields[i]), first[i]);
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 293일입니다.");

    app.Focus(kStartYear);
    app.Type(L"2010 01 01 2010 12 31");
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 364일입니다.");

    // One-digit months and days move on with Tab.
    app.Click(kReset);
    app.Type(L"2009");
    for (const wchar_t* oneDigit : {L"3", L"7"}) {
        app.Type(oneDigit);
        app.Press(VK_TAB);
    }
    app.Type(L"2009 12 25");
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 293일입니다.");
}

TEST(Typing, ALoneZeroWaitsForItsSecondDigitWhileZeroZeroAndZeroLetterVanish) {
    const struct {
        const wchar_t* keys;
        const wchar_t* text;
        int focusAfter;
    } cases[] = {{L"0", L"0", kStartMonth}, {L"00", L"", kStartDay}, {L"0a", L"", kStartDay}};
    for (const auto& c : cases) {
        TessaroDriver app;
        app.TypeInto(kStartMonth, c.keys);
        EXPECT_EQ(app.Text(kStartMonth), c.text) << c.keys;
        EXPECT_EQ(app.FocusedId(), c.focusAfter) << c.keys;
    }
}

// Ctrl+V and Shift+Insert; a text that is not one existing date is pasted as any other text.
TEST(Typing, AWholeDatePastedIntoAYearFieldFillsThatDate) {
    const wchar_t* forms[] = {L"2009-03-07", L"2009.3.7", L"2009. 3. 7.", L"2009/03/07",
                              L"2009년 3월 7일"};
    const struct {
        int year, month, day, focusAfter;
        WORD modifier, key;
    } dates[] = {{kStartYear, kStartMonth, kStartDay, kEndYear, VK_CONTROL, 'V'},
                 {kEndYear, kEndMonth, kEndDay, kEndDay, VK_SHIFT, VK_INSERT}};
    TessaroDriver app;
    for (const wchar_t* form : forms) {
        for (const auto& date : dates) {
            SCOPED_TRACE(testing::Message() << date.year << ": " << testing::PrintToString(form));
            app.Click(kReset);
            PutOnClipboard(form);
            app.Focus(date.year);
            app.PressWith(date.modifier, date.key);
            app.Settle();
            EXPECT_EQ(app.Text(date.year), L"2009");
            EXPECT_EQ(app.Text(date.month), L"3");
            EXPECT_EQ(app.Text(date.day), L"7");
            EXPECT_EQ(app.FocusedId(), date.focusAfter);
        }
    }
    for (const wchar_t* text : {L"2009-02-29", L"2009-13-01"}) {
        app.Click(kReset);
        PutOnClipboard(text);
        app.Focus(kStartYear);
        app.PressWith(VK_CONTROL, 'V');
        app.Settle();
        EXPECT_EQ(app.Text(kStartYear), text);
        EXPECT_EQ(app.Text(kStartMonth), L"");
    }
}

}  // namespace
