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

}  // namespace
