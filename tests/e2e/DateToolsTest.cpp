// The date tools window as a user works it: opened from the date form's window menu and its
// result menu, one flow per page typed by keyboard, results appearing as typed, and copying.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FormControls.h"
#include "TessaroDriver.h"

namespace {

// The tools window's controls, written down independently of the program's headers.
enum ToolsControl {
    kClose = 2,
    kPeriodStartYear = 1100,
    kPeriodEndYear = 1103,
    kPeriodStartToday = 1158,
    kBaseYear = 1107,
    kAmount = 1110,
    kUnit = 1111,
    kBirthYear = 1114,
    kReferenceYear = 1117,
    kHolidayYear = 1121,
    kAnniversaryYear = 1131,
    kToolsResult = 1140,
    kHolidayList = 1141,
    kSolarYear = 1122,
    kLunarYear = 1125,
    kLunarList = 1143,
    kAnniversaryList = 1144,
};
// The Save As dialog's file name box (a combo box in the Explorer style, an edit in the older),
// and a message box's text.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
constexpr int kMessageText = 0xFFFF;
constexpr WPARAM kDateToolsCommand = 0x20;

// Opens the tools from the window menu and works on them.
HWND OpenFromWindowMenu(TessaroDriver& app) {
    app.SystemCommand(kDateToolsCommand);
    HWND tools = app.WaitForOtherDialog();
    EXPECT_EQ(WindowText(tools), L"날짜 계산 도구");
    app.WorkOn(tools);
    return tools;
}

void ExpectCopied(TessaroDriver& app, const std::wstring& text) {
    ClearClipboard();
    app.RightClick(kToolsResult);
    HWND menu = app.WaitForMenu();
    app.Press('C');
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(menu) == FALSE; })) << "the menu stays";
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text; })) << ClipboardText();
}

TEST(DateTools, PeriodPageStartsFromTheFormsDatesAndFollowsTheTyping) {
    TessaroDriver app;
    for (const auto& [field, text] : {std::pair{kStartYear, L"2009"},
                                      {kStartMonth, L"3"},
                                      {kStartDay, L"7"},
                                      {kEndYear, L"2009"},
                                      {kEndMonth, L"12"},
                                      {kEndDay, L"25"}}) {
        app.TypeInto(field, text);
    }
    HWND form = app.Form();
    HWND tools = OpenFromWindowMenu(app);
    EXPECT_EQ(app.FocusedId(), kPeriodStartYear);
    EXPECT_TRUE(app.Text(kToolsResult).starts_with(L"293일\r\n0년 9개월 18일\r\n41주 6일\r\n"));

    app.Type(L"2008");  // replaces the selected year and moves on to the month
    EXPECT_EQ(app.FocusedId(), kPeriodStartYear + 1);
    app.PressAlt('I');
    const std::wstring period =
        L"659일 (시작일 포함)\r\n1년 9개월 19일\r\n94주 1일\r\n평일 471일\r\n근무일 457일\r\n"
        L"시작일: 2008년 3월 7일 금요일\r\n종료일: 2009년 12월 25일 금요일 (기독탄신일)";
    EXPECT_EQ(app.Text(kToolsResult), period);

    app.Press(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return IsWindow(tools) == FALSE; }));
    app.WorkOn(form);
    EXPECT_EQ(app.Text(kStartYear), L"2009");  // the form is as it was
}

TEST(DateTools, ShiftPageOpensFromTheResultMenuWithTodayAndCopiesTheDateAsIso) {
    TessaroDriver app;
    app.RightClick(kResult);
    app.WaitForMenu();
    app.Press('D');
    app.WorkOn(app.WaitForOtherDialog());
    EXPECT_EQ(app.FocusedId(), kBaseYear);
    EXPECT_EQ(app.Text(kToolsResult), L"날짜와 기간을 입력하면 결과가 바로 나옵니다.");

    app.Type(L"20260101100");  // the date's fields move on to the amount
    EXPECT_EQ(app.FocusedId(), kAmount);
    EXPECT_EQ(app.Text(kToolsResult), L"2026년 4월 11일 토요일\r\n기준일부터 100일 후");
    app.PressAlt('I');
    EXPECT_EQ(app.Text(kToolsResult), L"2026년 4월 10일 금요일\r\n기준일부터 99일 후");
    ClearClipboard();
    app.Focus(kClose);
    app.Press(VK_APPS);
    app.WaitForMenu();
    app.Press('C');
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == L"2026-04-10"; })) << ClipboardText();
}

TEST(DateTools, AgePageCountsTheBirthDayAndTheLeapDay) {
    TessaroDriver app;
    OpenFromWindowMenu(app);
    app.PressAlt('G');
    EXPECT_EQ(app.FocusedId(), kBirthYear);
    app.Type(L"19900520");
    EXPECT_EQ(app.FocusedId(), kReferenceYear);
    app.Type(L"20261209");
    EXPECT_EQ(app.Text(kToolsResult),
              L"만 36세\r\n연 나이: 36세\r\n세는 나이: 37세\r\n"
              L"만 37세가 되는 날: 2027년 5월 20일 목요일 (162일 남음)\r\n띠: 말띠 (경오년)");
    app.TypeInto(kBirthYear, L"20240229");  // the month and day are selected as the focus moves
    app.TypeInto(kReferenceYear, L"20250228");
    EXPECT_TRUE(app.Text(kToolsResult).starts_with(L"만 0세 (11개월)\r\n"))
        << app.Text(kToolsResult);

    // A lunar birth date: counted from its solar date, with this year's lunar birthday.
    app.PressAlt('R');
    app.TypeInto(kBirthYear, L"19900307");
    app.TypeInto(kReferenceYear, L"20261209");
    EXPECT_TRUE(app.Text(kToolsResult)
                    .ends_with(L"\r\n양력 생일: 1990년 4월 2일 월요일\r\n"
                               L"2026년 음력 생일: 2026년 4월 23일 목요일"))
        << app.Text(kToolsResult);
}

TEST(DateTools, LunarPageConvertsBothWaysAndTheHolidayListGivesLunarDates) {
    TessaroDriver app;
    OpenFromWindowMenu(app);
    app.PressAlt('L');
    EXPECT_EQ(app.FocusedId(), kSolarYear);
    app.Type(L"20260925");
    EXPECT_EQ(ListItems(app.Control(kLunarList)).at(0),
              L"양력 2026년 9월 25일 금요일 (추석) = 음력 2026년 8월 15일");
    app.TypeInto(kLunarYear, L"20260307");
    const std::vector<std::wstring> lines = ListItems(app.Control(kLunarList));
    EXPECT_NE(std::ranges::find(lines, L"음력 2026년 3월 7일 = 양력 2026년 4월 23일 목요일"),
              lines.end());

    app.PressAlt('H');
    app.Type(L"2026");
    const std::vector<std::wstring> holidays = ListItems(app.Control(kHolidayList));
    EXPECT_NE(std::ranges::find(holidays, L"2026년 9월 25일 금요일 추석 (공휴일, 음력 8월 15일)"),
              holidays.end());
}

// A holiday file in an application data folder of its own, found through APPDATA by the
// program started while it exists; the variable is put back and the folder removed afterwards.
class UserHolidayFile {
public:
    explicit UserHolidayFile(const std::string& bytes) {
        GetEnvironmentVariableW(L"APPDATA", old_, MAX_PATH);
        std::filesystem::create_directories(root_ / L"Tessaro");
        std::ofstream(root_ / L"Tessaro" / L"공휴일.txt", std::ios::binary) << bytes;
        SetEnvironmentVariableW(L"APPDATA", root_.c_str());
    }
    ~UserHolidayFile() {
        SetEnvironmentVariableW(L"APPDATA", old_[0] ? old_ : nullptr);
        std::filesystem::remove_all(root_);
    }
    UserHolidayFile(const UserHolidayFile&) = delete;
    UserHolidayFile& operator=(const UserHolidayFile&) = delete;

private:
    std::filesystem::path root_ = std::filesystem::temp_directory_path() / L"tessaro-e2e-appdata";
    wchar_t old_[MAX_PATH] = L"";
};

// The one date entry: typing, pasting and the today button do on a tools page what they do on
// the form. The tools open with Ctrl+D; Alt+B goes to the 기간 page, into its first field.
TEST(DateTools, TypingPastingAndTodayOnAToolsPageWorkAsOnTheForm) {
    struct Date {
        int year, month, day, next, today;
    };
    TessaroDriver app;
    const Date dates[] = {{kStartYear, kStartMonth, kStartDay, kEndYear, kFromToday},
                          {kPeriodStartYear, kPeriodStartYear + 1, kPeriodStartYear + 2,
                           kPeriodEndYear, kPeriodStartToday}};
    for (const Date& date : dates) {
        SCOPED_TRACE(date.year);
        if (date.year == kPeriodStartYear) {
            app.PressWith(VK_CONTROL, 'D');
            app.WorkOn(app.WaitForOtherDialog());
            app.PressAlt('B');
        }
        app.TypeInto(date.year, L"2009");
        EXPECT_EQ(app.FocusedId(), date.month);
        app.Type(L"03");
        EXPECT_EQ(app.FocusedId(), date.day);
        app.Type(L"07");
        EXPECT_EQ(app.FocusedId(), date.next);
        PutOnClipboard(L"2010. 4. 8.");
        app.Focus(date.year);
        app.PressWith(VK_CONTROL, 'V');
        app.Settle();
        EXPECT_EQ(app.Text(date.year) + L"-" + app.Text(date.month) + L"-" + app.Text(date.day),
                  L"2010-4-8");
        EXPECT_EQ(app.FocusedId(), date.next);
        SYSTEMTIME today{};
        GetLocalTime(&today);
        app.Click(date.today);
        app.Settle();
        EXPECT_EQ(app.Text(date.year), std::to_wstring(today.wYear));
    }
}

// "Tessaro.exe /tools", as the Start-menu shortcut runs it (the switch in any case).
TEST(DateTools, TheToolsSwitchOpensThemAtStart) {
    const PROCESS_INFORMATION process = StartProgram(ProgramPath(), L"/TOOLS");
    struct Search {
        DWORD process;
        bool found;
    } search{process.dwProcessId, false};
    EXPECT_TRUE(WaitUntil([&] {
        EnumWindows(
            [](HWND window, LPARAM param) {
                auto* search = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                search->found = search->found ||
                                (owner == search->process && IsWindowVisible(window) != FALSE &&
                                 WindowText(window) == L"날짜 계산 도구");
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }));
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

TEST(DateTools, ShiftPageMovesADeadlineOffDaysOffAndCountsWorkingDays) {
    TessaroDriver app;
    OpenFromWindowMenu(app);
    app.Type(L"202609031");
    app.Focus(kUnit);
    app.Press(VK_DOWN);
    app.Press(VK_DOWN);  // 개월
    app.PressAlt('M');
    EXPECT_EQ(app.Text(kToolsResult),
              L"2026년 10월 6일 화요일\r\n토요일·공휴일이라 다음 근무일로 옮겼습니다 (민법 "
              L"제161조): 2026년 10월 3일 토요일 개천절, 2026년 10월 4일 일요일, 2026년 10월 5일 "
              L"월요일 대체공휴일(개천절)\r\n기준일부터 33일 후");
    // 9월 30일 + 1개월 runs from 10월 1일 to 10월 31일, a Saturday.
    app.TypeInto(kBaseYear, L"202609301");
    EXPECT_EQ(app.Text(kToolsResult),
              L"2026년 11월 2일 월요일\r\n토요일·공휴일이라 다음 근무일로 옮겼습니다 (민법 "
              L"제161조): 2026년 10월 31일 토요일, 2026년 11월 1일 일요일\r\n기준일부터 33일 후");
    app.Focus(kUnit);
    app.Press(VK_END);  // 근무일
    app.TypeInto(kBaseYear, L"2026092110");
    EXPECT_EQ(app.Text(kToolsResult), L"2026년 10월 8일 목요일\r\n기준일부터 17일 후");
}

TEST(DateTools, HolidayPageListsTheYearAndCopiesTheList) {
    TessaroDriver app;
    OpenFromWindowMenu(app);
    app.PressAlt('H');
    EXPECT_EQ(app.FocusedId(), kHolidayYear);
    app.Type(L"2026");
    ClearClipboard();
    app.RightClick(kHolidayList);
    app.WaitForMenu();
    app.Press('C');
    EXPECT_TRUE(WaitUntil([&] {
        return ClipboardText().find(L"\r\n2026년 3월 2일 월요일 대체공휴일(삼일절)\r\n") !=
               std::wstring::npos;
    })) << ClipboardText();
}

// The period page's 평일 and 근무일 with a holiday from the user's file, whose bad line is
// reported under the result; the copy lists the holidays met.
TEST(DateTools, TheUsersHolidayFileCountsInThePeriodAndItsBadLineIsReported) {
    const UserHolidayFile file(
        "2026-10-02 \xEC\xB0\xBD\xEB\xA6\xBD\xEC\x9D\xBC\r\n10/02\r\n");  // 창립일
    TessaroDriver app;
    OpenFromWindowMenu(app);
    app.PressAlt('B');
    app.Type(L"2026100120261002");
    const std::wstring result =
        L"1일\r\n0년 0개월 1일\r\n0주 1일\r\n평일 1일\r\n근무일 0일\r\n"
        L"시작일: 2026년 10월 1일 목요일\r\n종료일: 2026년 10월 2일 금요일 (임시공휴일)";
    EXPECT_EQ(app.Text(kToolsResult), result + L"\r\n공휴일.txt 2번째 줄을 읽지 못했습니다");
    ExpectCopied(app,
                 result + L"\r\n기간 중 공휴일:\r\n2026년 10월 2일 금요일 창립일 (임시공휴일)");
}

// Files saved by Notepad as ANSI (CP949) and as "Unicode" (UTF-16) count their holiday too.
TEST(DateTools, HolidayFilesInCp949AndUtf16Count) {
    const std::string utf16(
        "\xFF\xFE"
        "2\0"
        "0\0"
        "2\0"
        "6\0"
        "-\0"
        "1\0"
        "0\0"
        "-\0"
        "0\0"
        "2\0"
        " \0"
        "\x3D\xCC\xBD\xB9\x7C\xC7",  // 창립일
        30);
    for (const std::string& bytes :
         {std::string("2026-10-02 \xC3\xA2\xB8\xB3\xC0\xCF\r\n"), utf16}) {
        const UserHolidayFile file(bytes);
        TessaroDriver app;
        OpenFromWindowMenu(app);
        app.PressAlt('B');
        app.Type(L"2026100120261002");
        EXPECT_EQ(app.Text(kToolsResult),
                  L"1일\r\n0년 0개월 1일\r\n0주 1일\r\n평일 1일\r\n근무일 0일\r\n"
                  L"시작일: 2026년 10월 1일 목요일\r\n종료일: 2026년 10월 2일 금요일 (임시공휴일)");
        ExpectCopied(app, app.Text(kToolsResult) +
                              L"\r\n기간 중 공휴일:\r\n2026년 10월 2일 금요일 창립일 (임시공휴일)");
    }
}

// A whole document pasted into a month box is cut at the box's limit, in either window: the
// window answers at once and closes on Esc (an unbounded box stays busy for minutes).
TEST(DateTools, AHugePasteIntoAMonthBoxLeavesBothWindowsAnswering) {
    PutOnClipboard(std::wstring(100000, L'1'));
    TessaroDriver app;
    app.Focus(kStartMonth);
    app.PressWith(VK_CONTROL, 'V');
    app.Settle();
    EXPECT_LE(app.Text(kStartMonth).size(), 32U);
    const HWND form = app.Form();
    const HWND tools = OpenFromWindowMenu(app);
    app.Focus(kPeriodStartYear + 1);
    app.PressWith(VK_CONTROL, 'V');
    app.Settle();
    EXPECT_LE(app.Text(kPeriodStartYear + 1).size(), 32U);
    app.Press(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(tools); }));
    app.WorkOn(form);
    app.Press(VK_ESCAPE);
    app.WaitForExit();
}

// A file there but too large to be read is reported, not taken for a missing one.
TEST(DateTools, AHolidayFileThatCannotBeReadIsReported) {
    const UserHolidayFile file(std::string(2 << 20, '#'));
    TessaroDriver app;
    OpenFromWindowMenu(app);
    app.PressAlt('H');
    EXPECT_EQ(ListItems(app.Control(kHolidayList)).back(), L"공휴일.txt 파일을 읽지 못했습니다");
}

// A dialog the tools window opens over itself (Save As, a message box), once it is in front.
HWND WaitForDialogOver(HWND tools) {
    HWND dialog = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        HWND front = GetForegroundWindow();
        if (front != tools && GetWindow(front, GW_OWNER) == tools) dialog = front;
        return dialog != nullptr;
    })) << "no dialog over the tools window";
    return dialog;
}

// Saves the 기념일 list with the save button's mnemonic, typing the full path into the Save As
// dialog's file name box over the proposed name.
void SaveAnniversaries(TessaroDriver& app, HWND tools, const std::wstring& path) {
    app.PressAlt('S');
    HWND dialog = WaitForDialogOver(tools);
    ASSERT_TRUE(dialog);
    app.WorkOn(dialog);
    const int nameBox = GetDlgItem(dialog, kFileNameCombo) ? kFileNameCombo : kFileNameEdit;
    EXPECT_EQ(app.Text(nameBox), L"2026-03-01 기념일.ics");
    app.TypeInto(nameBox, path);
    app.Press(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "Save As stays open";
}

// Runs a command line and waits for it; under Wine a Unix program too.
void Run(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// A folder no file can be written into, made so by the system's own tools: under Wine a Unix
// folder without write permission (and immutable, for a run as root, whom permissions do not
// stop); on Windows one that denies everyone writing. Undone and removed afterwards.
class UnwritableFolder {
public:
    UnwritableFolder() {
        std::filesystem::create_directories(path_);
        if (wine_)
            Shell(L"chmod 555 " + unix_ + L" && (chattr +i " + unix_ + L" 2>/dev/null; true)");
        else
            Run(L"icacls \"" + path_ + L"\" /deny *S-1-1-0:(W)");
    }
    ~UnwritableFolder() {
        if (wine_)
            Shell(L"chattr -i " + unix_ + L" 2>/dev/null; chmod 755 " + unix_);
        else
            Run(L"icacls \"" + path_ + L"\" /remove:d *S-1-1-0");
        std::filesystem::remove_all(path_);
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
    const std::wstring& Path() const { return path_; }

private:
    static void Shell(const std::wstring& command) { Run(L"Z:\\bin\\sh -c \"" + command + L"\""); }

    const bool wine_ =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    const std::wstring name_ = L"tessaro-e2e-unwritable-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring unix_ = L"/tmp/" + name_;
    const std::wstring path_ =
        wine_ ? L"Z:\\tmp\\" + name_ : (std::filesystem::temp_directory_path() / name_).wstring();
};

ptrdiff_t FileCount(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

// The 기념일 page for a fixed base: the D-day line, the list with the next one selected, the copy,
// a save into a folder named with a space and Hangul read back, and a save where nothing can be
// written, which names the path and leaves no file.
TEST(DateTools, AnniversaryPageListsCopiesAndSavesACalendarFile) {
    TessaroDriver app;
    const HWND tools = OpenFromWindowMenu(app);
    app.PressAlt('N');
    EXPECT_EQ(app.FocusedId(), kAnniversaryYear);
    app.Type(L"20260301");
    HWND list = app.Control(kAnniversaryList);
    const std::vector<std::wstring> lines = ListItems(list);
    ASSERT_EQ(lines.size(), 38U);
    EXPECT_TRUE(lines[0].starts_with(L"오늘은 ")) << Utf8(lines[0]);
    EXPECT_TRUE(lines[1].starts_with(L"100일\t2026년 6월 8일 월요일\tD")) << Utf8(lines[1]);
    // The next one to come is selected: no D+ on it, one on the line before it.
    const auto selected = static_cast<size_t>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    ASSERT_GE(selected, 1U);
    EXPECT_EQ(lines[selected].find(L"\tD+"), std::wstring::npos);
    EXPECT_TRUE(selected == 1 || lines[selected - 1].find(L"\tD+") != std::wstring::npos);
    ClearClipboard();
    app.RightClick(kAnniversaryList);
    app.WaitForMenu();
    app.Press('C');
    EXPECT_TRUE(WaitUntil([&] {
        return ClipboardText().find(lines[1] + L"\r\n") != std::wstring::npos;
    })) << Utf8(ClipboardText());

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        (L"Tessaro 저장 " + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path saved = folder / L"우리 기념일.ics";
    SaveAnniversaries(app, tools, saved.wstring());
    app.WorkOn(tools);
    std::ifstream file(saved, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    file.close();
    EXPECT_TRUE(text.starts_with("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n")) << text;
    EXPECT_NE(text.find("UID:20260301-days-100@tessaro\r\n"), std::string::npos);
    EXPECT_NE(text.find(Utf8(L"SUMMARY:100일 (2026-03-01부터)\r\n")), std::string::npos);
    EXPECT_TRUE(text.ends_with("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    EXPECT_EQ(FileCount(folder), 1) << "a temporary file is left";
    std::filesystem::remove_all(folder);

    const UnwritableFolder unwritable;
    const std::wstring refused = unwritable.Path() + L"\\기념일.ics";
    SaveAnniversaries(app, tools, refused);
    HWND message = WaitForDialogOver(tools);
    ASSERT_TRUE(message);
    const std::wstring said = WindowText(GetDlgItem(message, kMessageText));
    EXPECT_NE(said.find(L"달력 파일을 저장하지 못했습니다."), std::wstring::npos) << Utf8(said);
    EXPECT_NE(said.find(refused), std::wstring::npos) << Utf8(said);
    app.Answer(message, IDOK);
    EXPECT_EQ(FileCount(unwritable.Path()), 0);
}

}  // namespace
