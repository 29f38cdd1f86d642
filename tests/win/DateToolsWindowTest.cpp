// The date tools window on real controls, from its template: what the page logic relies on
// from the platform. The page logic itself is tested against the fake window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../unit/Cp949.h"
#include "framework/Text.h"
#include "framework/Clipboard.h"
#include "ui/DateToolsDlg.h"

namespace {

constexpr UINT kRunChecks = WM_APP + 7;

// Opens the window over no owner and runs the checks inside its modal run.
class TestTools : public CDateToolsDlg {
public:
    explicit TestTools(std::function<void(TestTools&)> checks)
        : CDateToolsDlg(nullptr, DatePair{{2009, 3, 7}, {2009, 12, 25}}),
          m_checks(std::move(checks)) {}

    bool Run() {
        DoModal();
        return m_ran;
    }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    std::wstring Text(int id) const {
        wchar_t text[256] = L"";
        GetDlgItemTextW(m_hWnd, id, text, 256);
        return text;
    }

protected:
    bool OnInitDialog() override {
        const bool result = CDateToolsDlg::OnInitDialog();
        PostMessageW(m_hWnd, kRunChecks, 0, 0);
        return result;
    }
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        if (message == kRunChecks) {
            m_ran = true;
            m_checks(*this);
            EndDialog(m_hWnd, IDCANCEL);
            return true;
        }
        return CDateToolsDlg::ProcessMessage(message, wParam, lParam, result);
    }

private:
    std::function<void(TestTools&)> m_checks;
    bool m_ran = false;
};

void WithOpenTools(const std::function<void(TestTools&)>& checks) {
    TestTools tools(checks);
    EXPECT_TRUE(tools.Run()) << "the date tools did not open";
}

RECT WindowRectIn(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(DateToolsWindow, EachPageShowsItsOwnControlsInsideTheWindowWithoutOverlapAndTabSkipsTheRest) {
    WithOpenTools([](TestTools& tools) {
        RECT client{};
        GetClientRect(tools.m_hWnd, &client);
        for (const int page : {IDC_TOOLS_PAGE_PERIOD, IDC_TOOLS_PAGE_SHIFT, IDC_TOOLS_PAGE_AGE}) {
            SendMessageW(tools.Item(page), BM_CLICK, 0, 0);
            std::vector<HWND> shown;
            for (HWND c = GetWindow(tools.m_hWnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                if (!IsWindowVisible(c) || GetDlgCtrlID(c) == -1) continue;  // the rules
                const RECT r = WindowRectIn(tools.m_hWnd, c);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right &&
                            r.bottom <= client.bottom)
                    << page << ": " << GetDlgCtrlID(c);
                for (HWND other : shown) {
                    RECT both{};
                    const RECT o = WindowRectIn(tools.m_hWnd, other);
                    EXPECT_FALSE(IntersectRect(&both, &r, &o))
                        << page << ": " << GetDlgCtrlID(c) << " " << GetDlgCtrlID(other);
                }
                shown.push_back(c);
            }
            // Tab from the page's first field runs through the page to 닫기 and back round.
            HWND at = GetFocus();
            for (int steps = 0; steps < 40 && GetDlgCtrlID(at) != IDCANCEL; ++steps) {
                at = GetNextDlgTabItem(tools.m_hWnd, at, FALSE);
                EXPECT_TRUE(IsWindowVisible(at) && IsWindowEnabled(at)) << GetDlgCtrlID(at);
            }
            EXPECT_EQ(GetDlgCtrlID(at), IDCANCEL);
        }
    });
}

TEST(DateToolsWindow, TheLongestResultsFitTheResultAreaInTheDialogFont) {
    WithOpenTools([](TestTools& tools) {
        const HWND area = tools.Item(IDC_TOOLS_RESULT);
        RECT bounds{};
        GetClientRect(area, &bounds);
        const std::wstring longest[] = {
            L"9,999일 (시작일 포함, 종료일이 시작일보다 앞섭니다)\r\n9,998년 11개월 30일\r\n"
            L"1,428주 3일\r\n시작일: 9999년 12월 31일 금요일\r\n종료일: 1년 1월 1일 월요일",
            L"만 9,998세\r\n연 나이: 9,998세\r\n세는 나이: 9,999세\r\n"
            L"만 9,999세가 되는 날: 9999년 12월 29일 수요일 (365일 남음)",
            L"계산한 날짜가 1년 1월 1일부터 9999년 12월 31일까지의 범위를 벗어납니다.",
        };
        HDC dc = GetDC(area);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(area, WM_GETFONT, 0, 0));
        const HGDIOBJ old = SelectObject(dc, font);
        for (const std::wstring& text : longest) {
            RECT needed = bounds;
            DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            EXPECT_LE(needed.right, bounds.right) << fw::ToCp949(text);
            EXPECT_LE(needed.bottom, bounds.bottom) << fw::ToCp949(text);
        }
        SelectObject(dc, old);
        ReleaseDC(area, dc);
    });
}

TEST(DateToolsWindow, PastingADateIntoAYearFieldFillsTheDate) {
    WithOpenTools([](TestTools& tools) {
        ASSERT_TRUE(fw::PutTextOnClipboard(tools.m_hWnd, Cp949(u8"2024. 2. 29.")));
        SetFocus(tools.Item(IDC_TOOLS_END_YEAR));
        SendMessageW(tools.Item(IDC_TOOLS_END_YEAR), WM_PASTE, 0, 0);
        EXPECT_EQ(tools.Text(IDC_TOOLS_END_YEAR) + L"-" + tools.Text(IDC_TOOLS_END_MONTH) + L"-" +
                      tools.Text(IDC_TOOLS_END_DAY),
                  L"2024-2-29");
        ASSERT_TRUE(fw::PutTextOnClipboard(tools.m_hWnd, "12345"));
        SendMessageW(tools.Item(IDC_TOOLS_END_YEAR), EM_SETSEL, 0, -1);
        SendMessageW(tools.Item(IDC_TOOLS_END_YEAR), WM_PASTE, 0, 0);
        EXPECT_EQ(tools.Text(IDC_TOOLS_END_YEAR), L"2024");  // too long for a year: refused
        EXPECT_EQ(tools.Text(IDC_TOOLS_RESULT).substr(0, 6), L"5,472일");
    });
}

}  // namespace
