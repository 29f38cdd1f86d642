#include <gtest/gtest.h>

#include <algorithm>

#include "Cp949.h"
#include "FakeDateTools.h"
#include "ui/tools/AnniversaryResult.h"

using enum ToolField;

namespace {

void TypeDate(FakeDateTools& tools, ToolField year, std::string_view keys) {
    tools.ClickInto(year);
    tools.Type(keys);
}

}  // namespace

TEST(DateTools, OpensOnThePeriodPageWithTheMainFormsDatesElseOnTheShiftPageWithToday) {
    FakeDateTools withDates(DatePair{{2009, 3, 7}, {2009, 12, 25}});
    EXPECT_EQ(withDates.shownPage, ToolPage::Period);
    EXPECT_EQ(withDates.Focus(), StartYear);
    EXPECT_EQ(withDates.Text(EndDay), "25");
    EXPECT_TRUE(withDates.result.starts_with(Cp949(u8"293일\r\n0년 9개월 18일\r\n41주 6일\r\n")));
    EXPECT_EQ(withDates.announcements, 0);

    FakeDateTools without;
    EXPECT_EQ(without.shownPage, ToolPage::Shift);
    EXPECT_EQ(without.Focus(), BaseYear);
    EXPECT_EQ(without.Text(BaseYear) + without.Text(BaseMonth) + without.Text(BaseDay), "2026129");
    EXPECT_EQ(without.Text(ReferenceYear), "2026");
    EXPECT_EQ(without.GetSelection(Unit) + without.GetSelection(ShiftDirection), 0);
    EXPECT_EQ(without.result, Cp949(u8"날짜와 기간을 입력하면 결과가 바로 나옵니다."));
}

TEST(DateTools, CompleteFieldsMoveOnAndImpossibleValuesVanishAsTyped) {
    const std::string hangul = Cp949(u8"가");
    const struct {
        ToolField field;
        std::string keys;
        std::string text;
        ToolField focus;
    } cases[] = {
        {StartYear, "202", "202", StartYear},
        {StartYear, "2025", "2025", StartMonth},
        {BaseYear, "20-2a5", "2025", BaseMonth},  // typed non-digits are refused
        {StartMonth, "0", "0", StartMonth},
        {StartMonth, "02", "02", StartDay},
        {StartMonth, "00", "", StartMonth},
        {StartMonth, "13", "", StartMonth},
        {StartMonth, hangul, "", StartMonth},
        {StartDay, "07", "07", EndYear},
        {StartDay, "29", "", StartDay},  // February 2025 has no 29th
        {EndDay, "28", "28", EndDay},    // the last date field of its page keeps the focus
        {BaseDay, "28", "28", Amount},
        {BirthDay, "28", "28", ReferenceYear},
        {ReferenceDay, "28", "28", ReferenceDay},
        {Amount, "12345678", "1234567", Amount},
    };
    for (const auto& c : cases) {
        FakeDateTools tools;
        for (const ToolField year : {StartYear, EndYear, BaseYear, BirthYear, ReferenceYear})
            tools.WriteDate(year, "2025", "2", "");
        TypeDate(tools, c.field, c.keys);
        EXPECT_EQ(tools.Text(c.field), c.text) << static_cast<int>(c.field) << " " << c.keys;
        EXPECT_EQ(tools.Focus(), c.focus) << static_cast<int>(c.field) << " " << c.keys;
    }
}

TEST(DateTools, DayListsOfferTheDaysOfTheMonthInThatYearAndKeepTheDay) {
    FakeDateTools tools;
    tools.OnPageChosen(ToolPage::Period);
    EXPECT_EQ(tools.List(StartDay).size(), 31U);
    TypeDate(tools, StartYear, "202402");
    EXPECT_EQ(tools.List(StartDay).size(), 29U);
    EXPECT_EQ(tools.List(StartDay).back(), "29");
    tools.Type("29");
    tools.ClickInto(StartYear);
    tools.Type("2025");
    EXPECT_EQ(tools.List(StartDay).size(), 28U);
    EXPECT_EQ(tools.Text(StartDay), "29");
    // The date that no longer exists is named, never computed.
    TypeDate(tools, EndYear, "20250301");
    EXPECT_EQ(tools.result, Cp949(u8"2025년 2월 29일은 없는 날짜입니다."));
    EXPECT_FALSE(tools.TextToCopy());
}

TEST(DateTools, EachPageShowsItsResultLinesAndCopiesWhatItShows) {
    FakeDateTools tools;
    tools.OnPageChosen(ToolPage::Period);
    TypeDate(tools, StartYear, "20091225");
    TypeDate(tools, EndYear, "20090307");
    tools.Check(PeriodIncludeStart);
    const std::string period = Cp949(
        u8"294일 (시작일 포함, 종료일이 시작일보다 앞섭니다)\r\n0년 9개월 19일\r\n42주 0일\r\n"
        u8"평일 210일\r\n근무일 207일\r\n"
        u8"시작일: 2009년 12월 25일 금요일 (기독탄신일)\r\n종료일: 2009년 3월 7일 토요일");
    EXPECT_EQ(tools.result, period);
    // The copy lists the holidays met, one a line.
    EXPECT_TRUE(tools.TextToCopy()->starts_with(period + Cp949(u8"\r\n기간 중 공휴일:\r\n")));
    EXPECT_NE(tools.TextToCopy()->find(Cp949(u8"2009년 10월 3일 토요일 개천절 (공휴일)\r\n")),
              std::string::npos);

    tools.OnPageChosen(ToolPage::Shift);
    TypeDate(tools, BaseYear, "20260101");
    tools.Type("100");
    tools.Check(ShiftIncludeStart);
    EXPECT_EQ(tools.result, Cp949(u8"2026년 4월 10일 금요일\r\n기준일부터 99일 후"));
    EXPECT_EQ(tools.TextToCopy(), "2026-04-10");
    tools.Choose(ShiftDirection, 1);
    tools.Choose(Unit, 3);
    EXPECT_EQ(tools.TextToCopy(), "1926-01-02");
    tools.ClickInto(Amount);
    tools.Type("2026");  // lies before year 1
    EXPECT_EQ(tools.result,
              Cp949(u8"계산한 날짜가 1년 1월 1일부터 9999년 12월 31일까지의 범위를 벗어납니다."));
    EXPECT_FALSE(tools.TextToCopy());

    tools.OnPageChosen(ToolPage::Age);
    TypeDate(tools, BirthYear, "19900520");
    EXPECT_EQ(tools.result, Cp949(u8"만 36세\r\n연 나이: 36세\r\n세는 나이: 37세\r\n"
                                  u8"만 37세가 되는 날: 2027년 5월 20일 목요일 (162일 남음)\r\n"
                                  u8"띠: 말띠 (경오년)"));
    TypeDate(tools, BirthYear, "20260120");
    EXPECT_TRUE(tools.result.starts_with(Cp949(u8"만 0세 (10개월)\r\n연 나이: 0세")));
    TypeDate(tools, BirthYear, "20261210");
    EXPECT_EQ(tools.result, Cp949(u8"기준일이 생년월일보다 앞섭니다."));
}

TEST(DateTools, ANewResultIsReadOutOnceWhenItsFieldIsCompleteOrLeft) {
    FakeDateTools tools;
    tools.ClickInto(Amount);
    tools.Type("100");
    EXPECT_EQ(tools.announcements, 0);  // not while the amount is being typed
    tools.ClickInto(Unit);
    EXPECT_EQ(tools.announcements, 1);
    tools.Choose(Unit, 1);
    EXPECT_EQ(tools.announcements, 2);
    TypeDate(tools, BaseYear, "2027");  // complete: read out at once, not again on the move
    EXPECT_EQ(tools.announcements, 3);
    tools.SetText(Amount, "");  // back to the hint, which is never read out
    tools.ClickInto(Amount);
    EXPECT_EQ(tools.announcements, 3);
}

TEST(DateTools, AWholePastedDateFillsItsFieldsAndOtherTextOnlyAsDigitsThatFit) {
    const struct {
        ToolField field;
        std::string pasted;
        std::string text;
    } cases[] = {
        {StartYear, "1999", "1999"},
        {StartYear, "-5", ""},
        {StartYear, Cp949(u8"이천"), ""},
        {StartYear, Cp949(u8"２００９"), ""},
        {StartYear, "12345678901234567890", ""},
        {Amount, " 365\r\n", "365"},
        {Amount, "2009-03-07", ""},
        {HolidayYear, "2009-03-07", "2009"},  // the year of a whole date
    };
    for (const auto& c : cases) {
        FakeDateTools tools;
        tools.SetText(c.field, "");
        tools.ClickInto(c.field);
        tools.Paste(c.pasted);
        EXPECT_EQ(tools.Text(c.field), c.text) << c.pasted;
        EXPECT_EQ(tools.beeps, c.text.empty() ? 1 : 0) << c.pasted;  // a refusal is heard
    }
    FakeDateTools tools;
    tools.OnPageChosen(ToolPage::Period);
    tools.Paste(Cp949(u8"2009년 3월 7일"));
    EXPECT_EQ(tools.Text(StartYear) + "-" + tools.Text(StartMonth) + "-" + tools.Text(StartDay),
              "2009-3-7");
    EXPECT_EQ(tools.Focus(), EndYear);
}

TEST(DateTools, ShiftCountsWorkingDaysAndMovesADeadlineOffADayOffSayingWhy) {
    constexpr int kWorkingDays = 4;
    const struct {
        const char* base;
        const char* amount;
        int unit;
        bool toWorkingDay;
        const char8_t* result;
    } cases[] = {
        {"20260903", "1", 2, false, u8"2026년 10월 3일 토요일 (개천절)\r\n기준일부터 30일 후"},
        {"20260903", "1", 2, true,
         u8"2026년 10월 6일 화요일\r\n토요일·공휴일이라 다음 근무일로 옮겼습니다 (민법 제161조): "
         u8"2026년 10월 3일 토요일 개천절, 2026년 10월 4일 일요일, "
         u8"2026년 10월 5일 월요일 대체공휴일(개천절)\r\n기준일부터 33일 후"},
        {"20261004", "1", 0, false, u8"2026년 10월 5일 월요일 (대체공휴일)\r\n기준일부터 1일 후"},
        {"20260921", "10", kWorkingDays, true,  // the box changes nothing
         u8"2026년 10월 8일 목요일\r\n기준일부터 17일 후"},
        {"20501230", "2", kWorkingDays, false,
         u8"2051년 1월 3일 화요일\r\n기준일부터 4일 후\r\n"
         u8"1990~2050년 밖의 해는 공휴일 자료가 없어 토요일과 일요일만 뺐습니다."},
    };
    for (const auto& c : cases) {
        FakeDateTools tools;
        TypeDate(tools, BaseYear, c.base);
        tools.Type(c.amount);
        tools.Choose(Unit, c.unit);
        if (c.toWorkingDay) tools.Check(ShiftToWorkingDay);
        EXPECT_EQ(tools.result, Cp949(c.result)) << c.base << " " << c.unit;
    }
    FakeDateTools back;  // 2주 전 to a Saturday: the day stays, the working day before is named
    TypeDate(back, BaseYear, "20261219");
    back.Type("2");
    back.Choose(Unit, 1);
    back.Choose(ShiftDirection, 1);
    back.Check(ShiftToWorkingDay);
    EXPECT_EQ(
        back.result,
        Cp949(u8"2026년 12월 5일 토요일\r\n이날은 토요일·공휴일입니다. 거꾸로 센 기간은 "
              u8"늦추지 않으므로 그 전 근무일까지: 2026년 12월 4일 금요일\r\n기준일부터 14일 전"));
}

TEST(DateTools, HolidayPageListsTheYearsHolidaysAndSaysWhereItHasNoData) {
    FakeDateTools tools;
    tools.OnPageChosen(ToolPage::Holidays);
    EXPECT_EQ(tools.Focus(), HolidayYear);
    EXPECT_EQ(tools.Text(HolidayYear), "2026");
    EXPECT_TRUE(
        tools.result.starts_with(Cp949(u8"2026년 1월 1일 목요일 신정 (공휴일)\r\n"
                                       u8"2026년 2월 16일 월요일 설날 (공휴일, 음력 12월 29일)")))
        << tools.result;
    EXPECT_NE(tools.result.find(Cp949(u8"\r\n2026년 3월 2일 월요일 대체공휴일(삼일절)\r\n")),
              std::string::npos);
    EXPECT_EQ(tools.TextToCopy(), tools.result);
    // A screen reader names the list by what it shows.
    EXPECT_EQ(tools.areaName, Cp949(u8"2026년 공휴일 ") +
                                  std::to_string(std::ranges::count(tools.result, '\n') + 1) +
                                  Cp949(u8"개"));
    TypeDate(tools, HolidayYear, "2051");
    EXPECT_EQ(tools.result, Cp949(u8"2051년의 공휴일 자료가 없습니다 (1990~2050년만 있습니다)."));
    EXPECT_EQ(tools.areaName, Cp949(u8"2051년 공휴일 0개"));
}

TEST(DateTools, APageChosenByArrowKeyKeepsTheFocusOnItsButtonAndOneChosenOtherwiseTakesIt) {
    FakeDateTools tools;
    tools.ClickInto(Unit);
    tools.OnPageChosen(ToolPage::Age, true);
    EXPECT_EQ(tools.shownPage, ToolPage::Age);
    EXPECT_EQ(tools.Focus(), Unit);
    tools.OnPageChosen(ToolPage::Period);
    EXPECT_EQ(tools.Focus(), StartYear);
}

TEST(DateTools, TheUsersFileIsReadOnceWhenFirstNeededAndItsBadLinesAreReported) {
    const std::string file =
        "# ours\n2026-10-02 \xEC\xB0\xBD\xEB\xA6\xBD\xEC\x9D\xBC\n"  // 창립일
        "10/02\n-2026-10-05\n";
    FakeDateTools tools(std::nullopt, file);
    EXPECT_EQ(tools.fileReads, 0);  // only the hint so far
    tools.OnPageChosen(ToolPage::Holidays);
    const std::string bad = Cp949(u8"공휴일.txt 3번째 줄을 읽지 못했습니다");
    EXPECT_NE(tools.result.find(Cp949(u8"2026년 10월 2일 금요일 창립일 (임시공휴일)\r\n")),
              std::string::npos);
    EXPECT_EQ(tools.result.find(Cp949(u8"10월 5일")), std::string::npos);
    EXPECT_TRUE(tools.result.ends_with("\r\n" + bad));
    EXPECT_EQ(tools.TextToCopy()->find(bad), std::string::npos);
    TypeDate(tools, HolidayYear, "2025");
    EXPECT_EQ(tools.fileReads, 1);

    FakeDateTools locked;
    locked.userFileUnreadable = true;
    locked.OnPageChosen(ToolPage::Holidays);
    EXPECT_TRUE(locked.result.ends_with(Cp949(u8"\r\n공휴일.txt 파일을 읽지 못했습니다")));
}

TEST(DateTools, LunarPageConvertsBothWaysAndNamesWhatALunarDateLacks) {
    FakeDateTools tools;
    tools.OnPageChosen(ToolPage::Lunar);
    EXPECT_EQ(tools.Focus(), SolarYear);
    EXPECT_EQ(tools.result, Cp949(u8"양력 2026년 12월 9일 수요일 = 음력 2026년 11월 1일\r\n"
                                  u8"병오년, 말띠 · 일진 정사일\r\n"
                                  u8"2026년 50주차 (2026-W50) · 12월 2주차\r\n"
                                  u8"2026년의 343번째 날"));
    TypeDate(tools, LunarYear, "20260230");
    EXPECT_NE(tools.result.find(Cp949(u8"\r\n\r\n음력 2026년 2월은 29일까지입니다.")),
              std::string::npos)
        << tools.result;
    tools.Check(LunarLeapMonth);
    TypeDate(tools, LunarYear, "20260307");
    EXPECT_TRUE(tools.result.ends_with(Cp949(u8"\r\n2026년에는 윤3월이 없습니다.")))
        << tools.result;
    TypeDate(tools, LunarYear, "20250601");
    // A leap month's date is kept in the regular month in years without it; copied as ISO dates.
    EXPECT_NE(
        tools.result.find(Cp949(u8"\r\n음력 2025년 윤6월 1일 = 양력 2025년 7월 25일 금요일\r\n"
                                u8"해마다 음력 윤6월 1일 (2026년부터 10년)\r\n"
                                u8"2026년 7월 14일 화요일 (음력 6월 1일)\r\n")),
        std::string::npos);
    EXPECT_TRUE(tools.TextToCopy()->ends_with(Cp949(u8"\r\n2035-07-05 목요일 (음력 6월 1일)")));
}

TEST(DateTools, AgePageGivesTheZodiacAndCountsALunarBirthDateFromItsSolarDate) {
    FakeDateTools tools;
    tools.OnPageChosen(ToolPage::Age);
    tools.Check(BirthLeapMonth);  // a 윤달 birth date is a lunar one
    EXPECT_TRUE(tools.IsChecked(BirthIsLunar));
    tools.Check(BirthIsLunar);
    EXPECT_FALSE(tools.IsChecked(BirthLeapMonth));
    tools.Check(BirthIsLunar);
    TypeDate(tools, BirthYear, "19900307");
    EXPECT_TRUE(
        tools.result.ends_with(Cp949(u8"\r\n띠: 말띠 (경오년)\r\n"
                                     u8"양력 생일: 1990년 4월 2일 월요일\r\n"
                                     u8"2026년 음력 생일: 2026년 4월 23일 목요일")))
        << tools.result;
    TypeDate(tools, BirthYear, "20260230");
    EXPECT_EQ(tools.result, Cp949(u8"음력 2026년 2월은 29일까지입니다."));
}

TEST(DateTools, AnniversaryPageCountsTodaySelectsTheNextOneAndSavesTheList) {
    FakeDateTools tools;  // today: 2026-12-09
    tools.OnPageChosen(ToolPage::Anniversaries);
    EXPECT_TRUE(tools.IsChecked(AnniversaryIncludeStart));
    TypeDate(tools, AnniversaryYear, "20260301");
    EXPECT_TRUE(tools.result.starts_with(
        Cp949(u8"오늘은 284일째 (D+284)\r\n100일\t2026년 6월 8일 월요일\tD+184\r\n")))
        << tools.result;
    EXPECT_NE(tools.result.find(Cp949(u8"\r\n300일\t2026년 12월 25일 금요일 (기독탄신일)\tD-16\r\n"
                                      u8"1주년·돌\t2027년 3월 1일 월요일 (삼일절)\tD-82")),
              std::string::npos);
    EXPECT_EQ(tools.selectedLine, 3);  // 300일, after the D-day line
    EXPECT_EQ(tools.TextToCopy(), tools.result);
    tools.Check(AnniversaryIncludeStart);
    EXPECT_TRUE(
        tools.result.starts_with(Cp949(u8"오늘은 284일째 (D+283)\r\n100일\t2026년 6월 9일")));

    const std::optional<AnniversaryFile> file = AnniversaryFileToSave(tools);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->fileName, Cp949(u8"2026-03-01 기념일.ics"));
    EXPECT_EQ(file->events.size(), 37U);

    TypeDate(tools, AnniversaryYear, "20261221");
    EXPECT_TRUE(tools.result.starts_with(Cp949(u8"D-12 (2026년 12월 21일 월요일)\r\n")));
    EXPECT_EQ(tools.selectedLine, 1);

    TypeDate(tools, AnniversaryYear, "18991231");
    tools.Check(AnniversaryLunarYearly);
    EXPECT_EQ(tools.result,
              Cp949(u8"음력으로 해마다는 양력 1900년 1월 31일부터 2050년 12월 31일까지의 "
                    u8"기준일에만 쓸 수 있습니다."));
    EXPECT_FALSE(tools.TextToCopy());
    EXPECT_FALSE(AnniversaryFileToSave(tools));  // nothing to save: the button beeps
}
