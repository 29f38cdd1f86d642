#include <gtest/gtest.h>

#include <optional>

#include "Cp949.h"
#include "FakeDateForm.h"
#include "ui/form/IconPosition.h"

using enum FieldId;

namespace {
constexpr FieldId kAllFields[] = {StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay};
}

TEST(FormCommands, OpensWithEveryMonthAndDayListedInOrder) {
    FakeDateForm form;
    EXPECT_EQ(form.List(StartMonth), TwoColumnItems(1, 12));
    EXPECT_EQ(form.List(EndMonth), TwoColumnItems(1, 12));
    EXPECT_EQ(form.List(StartDay), TwoColumnItems(1, 31));
    EXPECT_EQ(form.List(EndDay), TwoColumnItems(1, 31));
}

TEST(FormCommands, ClockShowsTodayPaddedWithBlanks) {
    const struct {
        CivilDate today;
        const char8_t* line;
    } cases[] = {{{2009, 3, 7}, u8"2009년  3월  7일"}, {{2009, 12, 25}, u8"2009년 12월 25일"}};
    for (const auto& c : cases) {
        FakeDateForm form;
        form.today = c.today;
        form.OnClockTick();
        EXPECT_EQ(form.TodayLine(), Cp949(c.line));
        EXPECT_EQ(form.resultAnnouncements, 0);
    }
}

TEST(FormCommands, CalculateShowsTheCountOrTheFirstErrorAndFocusesTheFieldToCorrect) {
    const struct {
        std::array<std::string, 6> fields;
        const char8_t* line = nullptr;
        std::optional<FieldId> focus;
    } cases[] = {
        {{"2009", "12", "31", "2010", " 1", " 1"}, u8"두 날짜 사이의 총 일수는 1일입니다.", {}},
        {{"", "", "", "", "", ""}, u8"년도의 범위가 벗어났습니다. 다시 입력해 주세요.", {}},
        {{"2009", "", "1", "2010", "1", "1"},
         u8"월의 범위가 벗어났습니다. 다시 입력해 주세요.",
         {}},
        {{"2009", "4", "31", "2009", "5", "2"},
         u8"일의 범위가 벗어났습니다. 다시 입력해 주세요.",
         {}},
        {{"2010", "1", "1", "2009", "1", "1"},
         u8"종료 년도가 시작 년도보다 이전입니다. 다시 입력해 주세요.",
         EndYear},
        {{"2009", "5", "1", "2009", "4", "1"},
         u8"종료 월이 시작 월보다 이전입니다. 다시 입력해 주세요.",
         EndMonth},
        {{"2009", "5", "10", "2009", "5", "9"},
         u8"종료 일이 시작 일보다 이전입니다. 다시 입력해 주세요.",
         EndDay},
        {{"2009", "5", "10", "2009", "5", "10"},
         u8"시작 일과 종료일이 같습니다. 다시 입력해 주세요.",
         EndDay},
    };
    for (const auto& c : cases) {
        FakeDateForm form;
        form.WriteFields(c.fields);
        form.ClickInto(StartMonth);
        form.OnCalculate();
        EXPECT_EQ(form.ResultLine(), Cp949(c.line)) << c.fields[0] << "-" << c.fields[1];
        EXPECT_EQ(form.Focus(), c.focus.value_or(StartMonth)) << c.fields[0] << "-" << c.fields[1];
        EXPECT_EQ(form.resultAnnouncements, 1);
    }
}

// Each command writes the year fields first, so the year handlers run (and move the focus)
// inside its writes; the command's own focus move comes last.
TEST(FormCommands, ResetAndTodayButtonsRewriteTheFieldsAndLeaveTheListsAlone) {
    const std::string instruction =
        Cp949(u8"시작 날짜와 종료 날짜를 입력하시고, 계산하기 버튼을 클릭하십시오.");
    const struct {
        void (DateFormHandlers::*command)() = nullptr;
        std::array<std::string, 6> fields;
        FieldId focus = StartYear;
        bool showsInstruction = false;
    } cases[] = {
        {&DateFormHandlers::OnReset, {"", "", "", "", "", ""}, StartYear, true},
        {&DateFormHandlers::OnFromToday, {"2009", "3", "7", "", "", ""}, EndYear, false},
        {&DateFormHandlers::OnUntilToday, {"", "", "", "2009", "3", "7"}, StartYear, false},
    };
    const std::array<std::string, 6> filled = {"2008", "5", "20", "2008", "5", "25"};
    for (const auto& c : cases) {
        FakeDateForm form;
        form.WriteFields(filled);
        form.OpenList(EndDay);  // opening a list empties its box, so the end day goes first
        form.OpenList(EndMonth);
        form.OpenList(StartDay);
        form.WriteFields(filled);  // refills the emptied boxes: each command must empty them itself
        form.OnCalculate();
        const std::string resultBefore = form.ResultLine();
        form.ClickInto(EndDay);

        (form.*c.command)();

        for (FieldId field : kAllFields) {
            EXPECT_EQ(form.Text(field), c.fields[static_cast<size_t>(field)]);
        }
        EXPECT_EQ(form.Focus(), c.focus);
        EXPECT_EQ(form.ResultLine(), c.showsInstruction ? instruction : resultBefore);
        EXPECT_EQ(form.resultAnnouncements, 1) << "only Calculate's result is read out";
        EXPECT_EQ(form.List(StartMonth), TwoColumnItems(1, 12));
        EXPECT_EQ(form.List(EndMonth), TwoColumnItems(5, 12));
        EXPECT_EQ(form.List(StartDay), TwoColumnItems(1, 31));
        EXPECT_EQ(form.List(EndDay), TwoColumnItems(20, 31));
    }
}

TEST(FormCommands, MinimisedIconIsCentredTruncatingTowardZero) {
    EXPECT_EQ(CentredIconOrigin(36, 36, 32, 32).x, 2);
    EXPECT_EQ(CentredIconOrigin(35, 35, 32, 32).y, 2);
    EXPECT_EQ(CentredIconOrigin(0, 0, 32, 32).x, -15);
    EXPECT_EQ(CentredIconOrigin(0, 0, 32, 32).y, -15);
}

TEST(FormCommands, TheDateToolsStartFromTheFormsDatesOnlyWhenBothExist) {
    FakeDateForm form;
    form.WriteFields({"2009", "3", "7", "2009", "12", "25"});
    const std::optional<DatePair> dates = form.DatesForTools();
    ASSERT_TRUE(dates);
    EXPECT_EQ(dates->start, (CivilDate{2009, 3, 7}));
    EXPECT_EQ(dates->end, (CivilDate{2009, 12, 25}));
    for (const char* day : {"", "31"}) {  // empty; 31 April
        form.WriteFields({"2009", "3", "7", "2009", "4", day});
        EXPECT_FALSE(form.DatesForTools()) << day;
    }
}
