// The result line on the real form: its count goes to the clipboard as Unicode text, and each
// Calculate tells screen readers to read it out.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "../unit/Cp949.h"
#include "OpenForm.h"
#include "../e2e/ClipboardText.h"
#include "framework/Clipboard.h"

namespace {

std::wstring ClipboardText() {
    if (!OpenClipboard(nullptr)) return L"(clipboard busy)";
    std::wstring text = UnicodeTextOfOpenClipboard();
    CloseClipboard();
    return text;
}

TEST(ResultLine, CopiedTextReadsBackFromTheClipboardAsUnicode) {
    WithOpenForm([](TestForm& form) {
        ASSERT_TRUE(fw::PutTextOnClipboard(form.m_hWnd, "293"));
        EXPECT_EQ(ClipboardText(), L"293");
        ASSERT_TRUE(fw::PutTextOnClipboard(form.m_hWnd, Cp949(u8"일수 1")));
        EXPECT_EQ(ClipboardText(), L"일수 1");
    });
}

// How long a test waits for the clipboard: after a copy, the system (Wine's clipboard service,
// a user's clipboard manager) may hold it open a while, longer on a busy machine.
constexpr DWORD kQuietClipboardMs = 10000;
constexpr char kClipboardBusy[] =
    "the clipboard stayed busy for 10 s: another program keeps it open (a clipboard manager, "
    "remote desktop), and this test needs it free";

// Holds the clipboard open on a thread of its own, as another program would: from when it
// gets it (retrying, as the product does) until holdMs have passed or it ends.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs)
        : thread_([this, holdMs] {
              const ULONGLONG end = GetTickCount64() + kQuietClipboardMs;
              while (!OpenClipboard(nullptr)) {
                  if (GetTickCount64() >= end) return;
                  Sleep(10);
              }
              SetEvent(opened_);
              WaitForSingleObject(release_, holdMs);
              CloseClipboard();
          }) {}
    // Lets go of the clipboard and joins the thread, also when a fatal assertion leaves.
    ~ClipboardHolder() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    bool Held() const { return WaitForSingleObject(opened_, kQuietClipboardMs) == WAIT_OBJECT_0; }

private:
    HANDLE opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};

// Another program holding the clipboard open for a moment delays a copy but does not lose it;
// one that keeps holding it makes the copy fail rather than pretend.
TEST(ResultLine, CopyWaitsBrieflyForAClipboardHeldOpenElsewhere) {
    WithOpenForm([](TestForm& form) {
        {
            const ClipboardHolder holder(20);
            ASSERT_TRUE(holder.Held()) << kClipboardBusy;
            EXPECT_TRUE(fw::PutTextOnClipboard(form.m_hWnd, "293"));
        }
        const ClipboardHolder holder(INFINITE);
        ASSERT_TRUE(holder.Held()) << kClipboardBusy;
        EXPECT_FALSE(fw::PutTextOnClipboard(form.m_hWnd, "293"));
    });
}

// Windows that raised a live-region change, as the hook saw them.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::vector<HWND> g_liveRegionChanges;

void CALLBACK OnLiveRegionChange(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG object,
                                 LONG child, DWORD /*thread*/, DWORD /*time*/) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) g_liveRegionChanges.push_back(window);
}

// Out-of-context events reach the hook while the thread takes its messages.
void TakeMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(ResultLine, EachCalculateRaisesOneLiveRegionChangeAndTheClockNone) {
    WithOpenForm([](TestForm& form) {
        g_liveRegionChanges.clear();
        HWINEVENTHOOK hook = SetWinEventHook(
            EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
            OnLiveRegionChange, GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
        form.OnCalculate();  // an error message
        form.OnClockTick();
        form.OnClockTick();
        form.SetFieldText(FieldId::StartYear, "2009");
        form.SetFieldText(FieldId::EndYear, "2010");
        form.OnCalculate();  // a count
        TakeMessages();
        UnhookWinEvent(hook);

        HWND line = GetDlgItem(form.m_hWnd, IDC_RESULT);
        EXPECT_EQ(g_liveRegionChanges, (std::vector<HWND>{line, line}));
    });
}

}  // namespace
