// The date form as a user meets it: its window, controls, keyboard paths and ways to close,
// and the executable's version record and icon. Run once on a Korean system and once on a
// Western one: every Korean text must read back the same on both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "FormControls.h"
#include "TessaroDriver.h"

namespace {

INT_PTR CALLBACK IgnoreMessages(HWND /*dialog*/, UINT /*message*/, WPARAM /*wParam*/,
                                LPARAM /*lParam*/) {
    return FALSE;
}

// Pixels of dialog units in the form's font, from a dialog of this process with that font:
// MapDialogRect does not reach another process's dialog.
class DialogUnits {
public:
    DialogUnits() {
        // Extended template: no controls, font "굴림" 9 points, weight 0, not italic,
        // character set 1.
        std::vector<WORD> t = {1, 0xFFFF, 0, 0, 0, 0};
        const DWORD style = WS_POPUP | DS_SETFONT;
        t.insert(t.end(), {LOWORD(style), HIWORD(style), 0, 0, 0, 10, 10, 0, 0, 0, 9, 0, 0x0100});
        const std::wstring font = L"굴림";
        t.insert(t.end(), font.begin(), font.end());
        t.push_back(0);
        dialog_ = CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                             nullptr, IgnoreMessages, 0);
    }
    ~DialogUnits() { DestroyWindow(dialog_); }
    DialogUnits(const DialogUnits&) = delete;
    DialogUnits& operator=(const DialogUnits&) = delete;

    // Each value mapped on its own, as the dialog manager places controls.
    RECT Map(int x, int y, int width, int height) const {
        RECT r{x, y, width, height};
        MapDialogRect(dialog_, &r);
        return r;
    }

private:
    HWND dialog_;
};

// A control's position and size within the form's client area.
RECT Placement(HWND form, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

struct ExpectedControl {
    int id;  // -1: no id
    const wchar_t* className;
    const wchar_t* text;  // nullptr: not checked here
    int x, y, width, height;
    DWORD styleMask;
    DWORD style;
};

constexpr DWORD kLabel = SS_TYPEMASK | WS_GROUP;
constexpr DWORD kYear = ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP;
// A combo box hands WS_VSCROLL on to its list, which shows the bar only when needed.
constexpr DWORD kBoxMask = CBS_DROPDOWNLIST | CBS_SORT | CBS_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kMonthBox = CBS_DROPDOWN | WS_TABSTOP;
constexpr DWORD kDayBox = kMonthBox | CBS_SORT;
constexpr DWORD kButtonMask = BS_TYPEMASK | BS_FLAT | WS_TABSTOP;
constexpr DWORD kButton = BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP;

// The 23 controls in creation order.
const ExpectedControl kControls[] = {
    {1001, L"Static", L"시작 날짜:", 4, 30, 33, 8, kLabel, SS_LEFT | WS_GROUP},
    {kStartYear, L"Edit", L"", 39, 27, 34, 14, kYear, kYear},
    {1003, L"Static", L"년", 75, 29, 8, 8, kLabel, SS_LEFT | WS_GROUP},
    {kStartMonth, L"ComboBox", L"", 87, 27, 34, 80, kBoxMask, kMonthBox},
    {1005, L"Static", L"월", 123, 29, 8, 8, kLabel, SS_LEFT | WS_GROUP},
    {kStartDay, L"ComboBox", L"", 136, 27, 34, 80, kBoxMask, kDayBox},
    {1007, L"Static", L"일 부터", 172, 29, 24, 8, kLabel, SS_LEFT | WS_GROUP},
    {1008, L"Static", L"종료 날짜:", 4, 56, 33, 8, kLabel, SS_LEFT | WS_GROUP},
    {kEndYear, L"Edit", L"", 39, 54, 34, 13, kYear, kYear},
    {1010, L"Static", L"년", 75, 56, 8, 8, kLabel, SS_LEFT | WS_GROUP},
    {kEndMonth, L"ComboBox", L"", 87, 54, 34, 61, kBoxMask, kMonthBox},
    {1012, L"Static", L"월", 123, 56, 8, 8, kLabel, SS_LEFT | WS_GROUP},
    {kEndDay, L"ComboBox", L"", 136, 54, 34, 62, kBoxMask, kDayBox},
    {1014, L"Static", L"일 까지", 172, 56, 24, 8, kLabel, SS_LEFT | WS_GROUP},
    {kCalculate, L"Button", L"계산하기 (&E)", 235, 18, 57, 44, kButtonMask,
     BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP},
    {kReset, L"Button", L"초기화 (&R)", 235, 63, 57, 16, kButtonMask, kButton},
    {kExit, L"Button", L"종료 (&X)", 235, 80, 57, 22, kButtonMask, kButton},
    {-1, L"Static", L"", 1, 1, 292, 16, kLabel, SS_ETCHEDFRAME},
    {kResult, L"Static", kInstructionLine, 7, 73, 221, 25, kLabel | SS_CENTERIMAGE,
     SS_CENTER | SS_CENTERIMAGE | WS_GROUP},
    {-1, L"Static", nullptr, 4, 5, 143, 8, kLabel, SS_LEFT | WS_GROUP},
    // The today line's text is the clock's.
    {kToday, L"Static", nullptr, 232, 5, 57, 8, kLabel, SS_RIGHT | WS_GROUP},
    {kFromToday, L"Button", L"오늘부터", 198, 28, 33, 11, kButtonMask, kButton},
    {kUntilToday, L"Button", L"오늘까지", 198, 54, 33, 11, kButtonMask, kButton},
};

TEST(TheForm, RunsUnderTheCodePageOfItsLocale) {
    const char* expected = std::getenv("TESSARO_EXPECTED_ACP");
    ASSERT_NE(expected, nullptr);
    // A program started the way the driver starts the form reports its ANSI code page.
    EXPECT_EQ(RunToExit(WindowsPath("TESSARO_ACP_PROBE")), static_cast<DWORD>(std::atoi(expected)));
}

TEST(TheForm, OpensCentredAsAFixedSizeDialogWithItsOwnTaskbarButton) {
    TessaroDriver app;
    HWND form = app.Form();
    EXPECT_TRUE(WindowText(form).starts_with(L"Tessaro v1.1")) << WindowText(form);

    const DWORD style = GetWindowLongW(form, GWL_STYLE);
    for (const DWORD present : {DWORD{WS_POPUP}, DWORD{WS_VISIBLE}, DWORD{WS_CAPTION},
                                DWORD{WS_SYSMENU}, DWORD{DS_MODALFRAME}}) {
        EXPECT_EQ(style & present, present) << std::hex << style << " lacks " << present;
    }
    for (const DWORD absent :
         {DWORD{WS_MINIMIZEBOX}, DWORD{WS_MAXIMIZEBOX}, DWORD{WS_THICKFRAME}}) {
        EXPECT_EQ(style & absent, 0U) << std::hex << style << " has " << absent;
    }
    EXPECT_NE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    RECT client;
    GetClientRect(form, &client);
    const RECT size = DialogUnits().Map(0, 0, 293, 103);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    RECT frame;
    RECT workArea;
    GetWindowRect(form, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_NEAR(frame.left + frame.right, workArea.left + workArea.right, 2);
    EXPECT_NEAR(frame.top + frame.bottom, workArea.top + workArea.bottom, 2);
}

TEST(TheForm, ShowsItsTwentyThreeControlsWithTheirTextsPlacesAndStyles) {
    TessaroDriver app;
    const DialogUnits units;
    const std::vector<HWND> children = Children(app.Form());
    ASSERT_EQ(children.size(), std::size(kControls));

    for (size_t i = 0; i < children.size(); ++i) {
        const ExpectedControl& want = kControls[i];
        HWND control = children[i];
        SCOPED_TRACE(testing::Message() << "control " << i + 1 << ", id " << want.id);
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(want.id));
        EXPECT_EQ(_wcsicmp(ClassName(control).c_str(), want.className), 0) << ClassName(control);
        if (want.text != nullptr) {
            EXPECT_EQ(WindowText(control), want.text);
        }
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));

        const DWORD style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_EQ(style & want.styleMask, want.style) << std::hex << style;

        const RECT at = Placement(app.Form(), control);
        const RECT expected = units.Map(want.x, want.y, want.width, want.height);
        EXPECT_EQ(at.left, expected.left);
        EXPECT_EQ(at.top, expected.top);
        EXPECT_EQ(at.right, expected.right);
        // A closed drop-down box is as tall as its edit part; the template's height includes
        // the list.
        if (std::wstring(want.className) != L"ComboBox") {
            EXPECT_EQ(at.bottom, expected.bottom);
        }
    }

    // The year fields' thin border: edit controls show WS_BORDER as a client edge.
    for (const int id : {kStartYear, kEndYear}) {
        HWND year = app.Control(id);
        EXPECT_TRUE((GetWindowLongW(year, GWL_STYLE) & WS_BORDER) ||
                    (GetWindowLongW(year, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
            << id;
    }

    // Calculate is the default button.
    EXPECT_EQ(SendMessageW(app.Form(), DM_GETDEFID, 0, 0), MAKELONG(kCalculate, DC_HASDEFID));
}

TEST(TheForm, StartsInTheStartYearAndTabWalksFieldsThenButtons) {
    TessaroDriver app;
    EXPECT_EQ(app.FocusedId(), kStartYear);
    const int order[] = {kStartMonth, kStartDay, kEndYear,   kEndMonth,   kEndDay,   kCalculate,
                         kReset,      kExit,     kFromToday, kUntilToday, kStartYear};
    for (const int next : order) {
        app.Press(VK_TAB);
        EXPECT_EQ(app.FocusedId(), next);
    }
}

TEST(TheForm, EnterInADateFieldCalculatesInsteadOfClosing) {
    TessaroDriver app;
    app.Press(VK_RETURN);
    EXPECT_EQ(app.Text(kResult), kYearRangeMessage);
    EXPECT_EQ(app.FocusedId(), kStartYear);
    EXPECT_EQ(app.OtherDialog(), nullptr);
    EXPECT_TRUE(app.IsRunning());
}

TEST(TheForm, AltWithAButtonsUnderlinedLetterPressesIt) {
    TessaroDriver app;
    app.PressAlt('E');
    EXPECT_EQ(app.Text(kResult), kYearRangeMessage);
    app.PressAlt('R');
    EXPECT_EQ(app.Text(kResult), kInstructionLine);
    app.PressAlt('X');
    app.Answer(app.WaitForOtherDialog(), IDNO);
    EXPECT_TRUE(app.IsRunning());
}

TEST(TheForm, EscEndsTheProgramAtOnceWithoutAsking) {
    TessaroDriver app;
    app.Press(VK_ESCAPE);
    app.WaitForExit();
}

TEST(TheForm, TheCloseBoxAndACloseMessageEndTheProgram) {
    for (const UINT message : {UINT{WM_SYSCOMMAND}, UINT{WM_CLOSE}}) {
        SCOPED_TRACE(message);
        TessaroDriver app;
        PostMessageW(app.Form(), message, message == WM_SYSCOMMAND ? SC_CLOSE : 0, 0);
        app.WaitForExit();
    }
}

TEST(TheForm, IgnoresCommandLineArguments) {
    TessaroDriver app(L"/help --start 2009 12 31 \"두 날짜\"");
    for (const int field : kDateFields) EXPECT_EQ(app.Text(field), L"") << field;
    EXPECT_EQ(app.Text(kResult), kInstructionLine);
    app.Press(VK_ESCAPE);
    app.WaitForExit();
}

TEST(TheForm, TheExecutableCarriesItsKoreanVersionRecord) {
    const std::wstring path = ProgramPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0U);
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010005U);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000U);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010005U);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000U);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask & VS_FF_DEBUG, 0U);  // a release build
    EXPECT_EQ(LOWORD(fixed->dwFileOS), VOS__WINDOWS32);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4U);
    EXPECT_EQ(translation[0], 0x0412);
    EXPECT_EQ(translation[1], 0x04b0);

    // Both members are read through the structured binding below, which cppcheck misses.
    const struct {
        const wchar_t* name;   // cppcheck-suppress unusedStructMember
        const wchar_t* value;  // cppcheck-suppress unusedStructMember
    } strings[] = {
        {L"FileDescription", L"Tessaro MFC 응용 프로그램"},
        {L"ProductName", L"Tessaro 응용 프로그램"},
        {L"InternalName", L"Tessaro"},
        {L"OriginalFilename", L"Tessaro.EXE"},
        {L"FileVersion", L"1.5.0"},
        {L"ProductVersion", L"1.5.0"},
    };
    for (const auto& [name, value] : strings) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\041204b0\\") + name;
        wchar_t* text = nullptr;
        ASSERT_TRUE(
            VerQueryValueW(record.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
            << key;
        EXPECT_EQ(std::wstring(text), value) << key;
    }
}

TEST(TheForm, TheExecutableCarriesItsIconIn32And16Pixels) {
    HMODULE module = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HRSRC group = FindResourceExW(module, RT_GROUP_ICON, MAKEINTRESOURCEW(128),
                                  MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT));
    ASSERT_NE(group, nullptr);
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    ASSERT_NE(bytes, nullptr);

    // Group header (reserved, type, count), then 14-byte entries: width, height, colour
    // count, reserved, planes, bits per pixel, size, icon id.
    const auto word = [&](size_t at) { return static_cast<WORD>(bytes[at] | bytes[at + 1] << 8); };
    const WORD count = word(4);
    std::vector<std::pair<int, int>> sizes;
    for (size_t i = 0; i < count; ++i) {
        const BYTE* entry = bytes + 6 + 14 * i;
        const int width = entry[0] == 0 ? 256 : entry[0];
        const int height = entry[1] == 0 ? 256 : entry[1];
        sizes.emplace_back(width, height);
        const int colours = entry[2] != 0 ? entry[2] : 1 << word(6 + 14 * i + 6);
        EXPECT_EQ(colours, 16) << width << "x" << height;
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(word(6 + 14 * i + 12)), RT_ICON), nullptr);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{16, 16}, {32, 32}}));
    FreeLibrary(module);
}

}  // namespace
