// The date tools window on real controls, from its template: what the page logic relies on
// from the platform. The page logic itself is tested against the fake window.
#include <gtest/gtest.h>

#include <cwchar>
#include <cwctype>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "ui/tools/DateToolsDlg.h"

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

TEST(DateToolsWindow,
     EachPageShowsItsOwnControlsInsideTheWindowWithoutOverlapOrASharedMnemonicAndTabSkipsTheRest) {
    WithOpenTools([](TestTools& tools) {
        RECT client{};
        GetClientRect(tools.m_hWnd, &client);
        for (int page = IDC_TOOLS_PAGE_PERIOD; page <= IDC_TOOLS_PAGE_HOLIDAYS; ++page) {
            SendMessageW(tools.Item(page), BM_CLICK, 0, 0);
            std::vector<HWND> shown;
            std::set<wchar_t> mnemonics;
            for (HWND c = GetWindow(tools.m_hWnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                if (!IsWindowVisible(c) || GetDlgCtrlID(c) == -1) continue;  // the rules
                wchar_t text[128] = L"";
                GetWindowTextW(c, text, 128);
                if (const wchar_t* amp = wcschr(text, L'&'); amp && amp[1] != L'&') {
                    EXPECT_TRUE(mnemonics.insert(towupper(amp[1])).second)
                        << page << ": a second Alt+" << static_cast<char>(amp[1]);
                }
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

// A key as the window's modal loop hands it to the dialog manager, with heldKey down meanwhile.
void PressIn(HWND dialog, UINT message, WPARAM key, int heldKey) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE held = keys[heldKey];
    keys[heldKey] = 0x80;
    SetKeyboardState(keys);
    MSG msg{GetFocus(), message, key, message == WM_SYSCHAR ? LPARAM{1} << 29 : 0, 0, {}};
    IsDialogMessageW(dialog, &msg);
    keys[heldKey] = held;
    SetKeyboardState(keys);
}

TEST(DateToolsWindow, ArrowKeysStepThroughThePagesOnTheirButtonsAndAMnemonicGoesIntoThePage) {
    WithOpenTools([](TestTools& tools) {
        SendMessageW(tools.m_hWnd, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(tools.Item(IDC_TOOLS_PAGE_PERIOD)), TRUE);
        PressIn(tools.m_hWnd, WM_KEYDOWN, VK_RIGHT, VK_RIGHT);
        EXPECT_EQ(GetFocus(), tools.Item(IDC_TOOLS_PAGE_SHIFT));
        EXPECT_TRUE(IsWindowVisible(tools.Item(IDC_TOOLS_BASE_YEAR)));
        PressIn(tools.m_hWnd, WM_SYSCHAR, 'g', VK_MENU);
        EXPECT_EQ(GetFocus(), tools.Item(IDC_TOOLS_BIRTH_YEAR));
    });
}

}  // namespace
