#include "ui/entry/PastedDate.h"

#include <gtest/gtest.h>

#include "Cp949.h"
#include "FakeDateForm.h"

using enum FieldId;

TEST(PastedDate, ReadsOneWholeDateInTheFormsPeopleWriteAndNothingElse) {
    const struct {
        std::string text;
        std::optional<CivilDate> date;
    } cases[] = {
        {"2009-03-07", CivilDate{2009, 3, 7}},
        {"2009.3.7", CivilDate{2009, 3, 7}},
        {"2009. 3. 7.", CivilDate{2009, 3, 7}},
        {"2009/03/07", CivilDate{2009, 3, 7}},
        {Cp949(u8"2009년 3월 7일"), CivilDate{2009, 3, 7}},
        {Cp949(u8"2009년3월7일"), CivilDate{2009, 3, 7}},
        {" 2024-02-29\r\n", CivilDate{2024, 2, 29}},
        {"0005-01-01", CivilDate{5, 1, 1}},
        {"2009-02-29", std::nullopt},  // not a date of that year
        {"2009-13-01", std::nullopt},
        {"2009-03-00", std::nullopt},
        {"2009-3/7", std::nullopt},
        {"2009-03-07.", std::nullopt},
        {"2009-003-07", std::nullopt},
        {"20090307", std::nullopt},
        {"09-03-07", std::nullopt},
        {"2009-03-07 2009-12-25", std::nullopt},
        {Cp949(u8"2009년 3월"), std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParsePastedDate(c.text), c.date) << c.text;
}

TEST(PastedDate, FillsTheYearFieldsDateAndMovesOnAsTyping) {
    FakeDateForm form;
    form.WriteFields({"1999", "1", "1", "1999", "1", "2"});
    form.ClickInto(StartYear);
    form.Paste("2009.3.7");
    form.ClickInto(EndYear);
    form.Paste(Cp949(u8"2009년 12월 25일"));
    EXPECT_EQ(form.Focus(), EndDay);
    for (auto [field, text] : {std::pair{StartYear, "2009"},
                               {StartMonth, "3"},
                               {StartDay, "7"},
                               {EndYear, "2009"},
                               {EndMonth, "12"},
                               {EndDay, "25"}})
        EXPECT_EQ(form.Text(field), text);

    form.ClickInto(StartYear);
    form.Paste("2010-01-01");
    EXPECT_EQ(form.Focus(), EndYear);
    EXPECT_EQ(form.Text(EndYear), "");  // emptied by the later start year, as typing it would

    // Any other text is pasted as before, and the year field's rule takes it from there.
    FakeDateForm other;
    other.Paste("2009-02-29");
    EXPECT_EQ(other.Text(StartYear), "2009-02-29");
    EXPECT_EQ(other.Focus(), StartMonth);
}

TEST(PastedDate, TheGuidesTypedExampleFillsTheFormAndASecondPairReplacesIt) {
    FakeDateForm form;
    form.Type("2009 03 07 2009 12 25");
    form.OnCalculate();
    EXPECT_EQ(form.ResultLine(), Cp949(u8"두 날짜 사이의 총 일수는 293일입니다."));
    form.FocusField(StartYear);  // as Tab leaves it: selected
    form.Type("2010 01 01 2010 12 31");
    form.OnCalculate();
    EXPECT_EQ(form.ResultLine(), Cp949(u8"두 날짜 사이의 총 일수는 364일입니다."));
}
