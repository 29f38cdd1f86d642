// Where the date form and the About box open, and the form's answers to the system.
#include <gtest/gtest.h>

#include <string>

#include "OpenForm.h"
#include "framework/Application.h"

namespace {

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT WindowRect(HWND hWnd) {
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    return rect;
}

// Centres agree within a pixel: halving odd sizes rounds.
void ExpectCentredOver(const RECT& inner, const RECT& outer) {
    EXPECT_NEAR(Centre(inner).x, Centre(outer).x, 1);
    EXPECT_NEAR(Centre(inner).y, Centre(outer).y, 1);
}

TEST(Placement, DateFormOpensCentredOnTheWorkArea) {
    WithOpenForm([](TestForm& form) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(form.m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        ExpectCentredOver(WindowRect(form.m_hWnd), monitor.rcWork);
    });
}

// A dialog window of this thread other than the given one.
HWND OtherDialog(HWND self) {
    struct Search {
        HWND self;
        HWND found;
    } search{self, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM param) {
            auto* search = reinterpret_cast<Search*>(param);
            wchar_t name[16] = {};
            GetClassNameW(hWnd, name, 16);
            if (hWnd == search->self || std::wstring(name) != L"#32770") return TRUE;
            search->found = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The application whose main window owns the About box.
struct TestApp : fw::Application {
    bool InitInstance() override { return false; }
};

TEST(AboutBox, OpensFromTheSystemMenuCentredOverTheForm) {
    TestApp app;
    WithOpenForm([&app](TestForm& form) {
        app.m_pMainWnd = &form;
        // Away from the screen's centre, so that centring on the screen would show.
        SetWindowPos(form.m_hWnd, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

        HWND about = nullptr;
        HWND owner = nullptr;
        RECT aboutRect{};
        std::wstring caption;
        // Runs inside the About box's modal loop (before the box is first shown, under Wine).
        form.Post([&] {
            about = OtherDialog(form.m_hWnd);
            if (!about) return;
            owner = GetWindow(about, GW_OWNER);
            aboutRect = WindowRect(about);
            caption = WideText(about);
            PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
        });
        // Any value from 16 to 31 is the About command: the low four bits are the system's.
        SendMessageW(form.m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
        app.m_pMainWnd = nullptr;

        ASSERT_NE(about, nullptr) << "no About box opened";
        EXPECT_EQ(owner, form.m_hWnd);
        EXPECT_EQ(caption, L"Tessaro 정보");
        ExpectCentredOver(aboutRect, WindowRect(form.m_hWnd));
    });
}

TEST(FormWindow, DraggingTheMinimisedFormShowsItsIcon) {
    WithOpenForm([](TestForm& form) {
        const auto icon = SendMessageW(form.m_hWnd, WM_QUERYDRAGICON, 0, 0);
        EXPECT_NE(icon, 0);
        EXPECT_EQ(icon, SendMessageW(form.m_hWnd, WM_GETICON, ICON_BIG, 0));
    });
}

TEST(DateToolsCommand, CtrlDAndTheToolsSwitchOpenTheDateToolsOverTheForm) {
    WithOpenForm([](TestForm& form) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG key{GetFocus(), WM_KEYDOWN, 'D', 0, 0, {}};
        EXPECT_TRUE(CallMsgFilterW(&key, MSGF_DIALOGBOX));  // taken before the dialog sees it
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        MSG posted{};
        ASSERT_TRUE(PeekMessageW(&posted, form.m_hWnd, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
        EXPECT_EQ(posted.wParam, static_cast<WPARAM>(IDM_DATETOOLS));
    });
    std::wstring opened;
    TestForm atStart(
        [&](TestForm& form) {
            HWND tools = OtherDialog(form.m_hWnd);
            if (!tools) return;
            opened = WideText(tools);
            EXPECT_EQ(GetWindow(tools, GW_OWNER), form.m_hWnd);
            EndDialog(tools, IDCANCEL);
        },
        true);
    EXPECT_TRUE(atStart.Run());
    EXPECT_EQ(opened, L"날짜 계산 도구");
}

}  // namespace
