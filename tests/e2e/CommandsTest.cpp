// The form's commands as a user works them: Calculate, Exit and its question, the About box,
// the clock, the two today buttons, Reset and copying the count.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <string>
#include <vector>

#include "FormControls.h"
#include "TessaroDriver.h"

namespace {

constexpr WPARAM kAboutCommand = 16;

// Types a date pair field by field, putting the cursor into each field first.
void TypeDates(TessaroDriver& app, const std::array<const wchar_t*, 6>& values) {
    for (size_t i = 0; i < values.size(); ++i) app.TypeInto(kDateFields[i], values[i]);
}

std::vector<std::wstring> FieldTexts(const TessaroDriver& app) {
    std::vector<std::wstring> texts;
    // cppcheck-suppress useStlAlgorithm ; plainer than transform into a back_inserter
    for (const int field : kDateFields) texts.push_back(app.Text(field));
    return texts;
}

bool HasChildText(HWND dialog, const std::wstring& text) {
    return std::ranges::any_of(Children(dialog),
                               [&](HWND child) { return WindowText(child) == text; });
}

// A date as the today line shows it.
std::wstring TodayLine(const SYSTEMTIME& time) {
    wchar_t line[32];
    swprintf(line, 32, L"%4d년 %2d월 %2d일", time.wYear, time.wMonth, time.wDay);
    return line;
}

// Whether the clock line shows the local date; read between two looks at the clock, so that
// a midnight in between is no failure.
bool ShowsToday(const TessaroDriver& app) {
    SYSTEMTIME before;
    SYSTEMTIME after;
    GetLocalTime(&before);
    const std::wstring line = app.Text(kToday);
    GetLocalTime(&after);
    return line == TodayLine(before) || line == TodayLine(after);
}

// Whether year, month and day fields hold the date in plain decimal ("3", not " 3").
bool HoldsDate(const TessaroDriver& app, const std::array<int, 3>& fields, const SYSTEMTIME& t) {
    return app.Text(fields[0]) == std::to_wstring(t.wYear) &&
           app.Text(fields[1]) == std::to_wstring(t.wMonth) &&
           app.Text(fields[2]) == std::to_wstring(t.wDay);
}

// Clicks a today button and checks it wrote the local date into these fields.
void ExpectTodayIn(TessaroDriver& app, int button, const std::array<int, 3>& fields) {
    SYSTEMTIME before;
    SYSTEMTIME after;
    GetLocalTime(&before);
    app.Click(button);
    GetLocalTime(&after);
    EXPECT_TRUE(HoldsDate(app, fields, before) || HoldsDate(app, fields, after))
        << app.Text(fields[0]) << "-" << app.Text(fields[1]) << "-" << app.Text(fields[2]);
}

TEST(Commands, EnterOrCalculateShowsTheDaysBetweenTwoTypedDates) {
    TessaroDriver app;
    TypeDates(app, {L"2009", L"12", L"31", L"2010", L"1", L"1"});
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 1일입니다.");

    TypeDates(app, {L"2007", L"6", L"1", L"2009", L"6", L"1"});
    app.Click(kCalculate);
    EXPECT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 731일입니다.");
}

TEST(Commands, AnEndYearBeforeTheStartYearIsReportedAndGetsTheFocus) {
    TessaroDriver app;
    TypeDates(app, {L"2010", L"1", L"1", L"2009", L"1", L"1"});
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), L"종료 년도가 시작 년도보다 이전입니다. 다시 입력해 주세요.");
    EXPECT_EQ(app.FocusedId(), kEndYear);
}

// Chooses the copy item of the menu just opened and checks what reached the clipboard.
void ExpectCopyPuts(TessaroDriver& app, const wchar_t* digits) {
    HWND menu = app.WaitForMenu();
    app.Press('C');
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(menu) == FALSE; })) << "the menu stays";
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == digits; })) << ClipboardText();
}

TEST(Commands, RightClickOnTheCountOrTheMenuKeyOnAButtonCopiesItsDigits) {
    TessaroDriver app;
    TypeDates(app, {L"2009", L"3", L"7", L"2009", L"12", L"25"});
    app.Press(VK_RETURN);
    ASSERT_EQ(app.Text(kResult), L"두 날짜 사이의 총 일수는 293일입니다.");

    ClearClipboard();
    app.RightClick(kResult);
    ExpectCopyPuts(app, L"293");

    ClearClipboard();
    app.Focus(kReset);
    app.Press(VK_APPS);
    ExpectCopyPuts(app, L"293");
}

TEST(Commands, ExitAsksFirstThenNoKeepsEverythingAndYesEndsTheProgram) {
    TessaroDriver app;
    TypeDates(app, {L"2009", L"3", L"7", L"2009", L"12", L"25"});
    app.Press(VK_RETURN);
    const std::vector<std::wstring> fields = FieldTexts(app);
    const std::wstring result = app.Text(kResult);
    EXPECT_EQ(result, L"두 날짜 사이의 총 일수는 293일입니다.");

    app.Click(kExit);
    HWND question = app.WaitForOtherDialog();
    EXPECT_EQ(WindowText(question), L"프로그램 종료");
    EXPECT_TRUE(HasChildText(question, L"날짜 계산 프로그램을 종료 하시겠습니까?"));
    EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
    EXPECT_EQ(GetDlgItem(question, IDCANCEL), nullptr);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(question, IDYES), GWL_STYLE) & BS_TYPEMASK,
              BS_DEFPUSHBUTTON);
    for (HWND child : Children(question)) {
        const bool icon = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        EXPECT_FALSE(icon && SendMessageW(child, STM_GETICON, 0, 0) != 0) << "an icon";
    }
    EXPECT_FALSE(IsWindowEnabled(app.Form()));

    app.Answer(question, IDNO);
    EXPECT_TRUE(app.IsRunning());
    EXPECT_TRUE(IsWindowEnabled(app.Form()));
    EXPECT_EQ(FieldTexts(app), fields);
    EXPECT_EQ(app.Text(kResult), result);

    app.Click(kExit);
    app.Answer(app.WaitForOtherDialog(), IDYES);
    app.WaitForExit();
}

TEST(Commands, SystemCommands16To31OpenTheAboutBoxAndTheFormWorksOnAfterIt) {
    TessaroDriver app;
    for (const WPARAM command : {kAboutCommand, WPARAM{31}}) {
        SCOPED_TRACE(command);
        app.SystemCommand(command);
        HWND about = app.WaitForOtherDialog();
        EXPECT_EQ(WindowText(about), L"Tessaro 정보");
        EXPECT_TRUE(HasChildText(about, L"Tessaro v1.1"));
        EXPECT_EQ(WindowText(GetDlgItem(about, IDOK)), L"확인");
        EXPECT_FALSE(IsWindowEnabled(app.Form()));

        RECT box;
        RECT form;
        GetWindowRect(about, &box);
        GetWindowRect(app.Form(), &form);
        EXPECT_NEAR(box.left + box.right, form.left + form.right, 2) << "centred over the form";
        EXPECT_NEAR(box.top + box.bottom, form.top + form.bottom, 2) << "centred over the form";

        app.Answer(about, IDOK);
        EXPECT_TRUE(IsWindowEnabled(app.Form()));
    }
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), kYearRangeMessage);
}

TEST(Commands, TheTodayLineShowsTodayAndKeepsTickingWhileABoxIsOpen) {
    TessaroDriver app;
    EXPECT_TRUE(WaitUntil([&] { return ShowsToday(app); })) << app.Text(kToday);

    // While each box is open, the next tick rewrites a line the driver has blanked.
    app.SystemCommand(kAboutCommand);
    HWND about = app.WaitForOtherDialog();
    app.SetText(kToday, L"");
    EXPECT_TRUE(WaitUntil([&] { return ShowsToday(app); })) << "under the About box";
    app.Answer(about, IDOK);

    app.Click(kExit);
    HWND question = app.WaitForOtherDialog();
    app.SetText(kToday, L"");
    EXPECT_TRUE(WaitUntil([&] { return ShowsToday(app); })) << "under the exit question";
    app.Answer(question, IDNO);
}

TEST(Commands, TodayButtonsFillOneDateAndResetEmptiesBoth) {
    TessaroDriver app;
    app.Press(VK_RETURN);
    const std::wstring result = app.Text(kResult);

    ExpectTodayIn(app, kFromToday, {kStartYear, kStartMonth, kStartDay});
    for (const int field : {kEndYear, kEndMonth, kEndDay}) EXPECT_EQ(app.Text(field), L"");
    EXPECT_EQ(app.FocusedId(), kEndYear);
    EXPECT_EQ(app.Text(kResult), result);

    ExpectTodayIn(app, kUntilToday, {kEndYear, kEndMonth, kEndDay});
    for (const int field : {kStartYear, kStartMonth, kStartDay}) EXPECT_EQ(app.Text(field), L"");
    EXPECT_EQ(app.FocusedId(), kStartYear);
    EXPECT_EQ(app.Text(kResult), result);

    app.TypeInto(kStartYear, L"2009");
    app.Focus(kEndDay);
    app.Click(kReset);
    for (const int field : kDateFields) EXPECT_EQ(app.Text(field), L"") << field;
    EXPECT_EQ(app.Text(kResult), kInstructionLine);
    EXPECT_EQ(app.FocusedId(), kStartYear);
}

}  // namespace
