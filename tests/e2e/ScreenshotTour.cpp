// Walks Tessaro through the views worth a screenshot, pausing at each: it prints
// "shot <name> <x> <y> <width> <height>" (the screen area to capture) and waits for a line on
// its input before going on. scripts/screenshot.sh takes the pictures.
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "FormControls.h"
#include "TessaroDriver.h"

namespace {

constexpr int kMargin = 8;

RECT Bounds(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

RECT Union(RECT a, RECT b) {
    RECT r;
    UnionRect(&r, &a, &b);
    return r;
}

BOOL CALLBACK FindShownList(HWND window, LPARAM found) {
    if (IsWindowVisible(window) != FALSE && ClassName(window) == L"ComboLBox") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The open list: a top-level window of the program's thread. (GetComboBoxInfo would crash the
// program under Wine, which does not carry its reply across processes.)
HWND DroppedList(const TessaroDriver& app) {
    HWND list = nullptr;
    EnumThreadWindows(GetWindowThreadProcessId(app.Form(), nullptr), FindShownList,
                      reinterpret_cast<LPARAM>(&list));
    return list != nullptr ? list : app.Form();
}

void Shot(const char* name, RECT area) {
    std::printf("shot %s %ld %ld %ld %ld\n", name, area.left - kMargin, area.top - kMargin,
                area.right - area.left + 2 * kMargin, area.bottom - area.top + 2 * kMargin);
    std::fflush(stdout);
    char reply[16];
    if (!std::fgets(reply, sizeof reply, stdin)) throw std::runtime_error("no reply to a shot");
}

void Tour() {
    TessaroDriver app;
    for (const auto& [field, text] : {std::pair{kStartYear, L"2009"},
                                      {kStartMonth, L"3"},
                                      {kStartDay, L"7"},
                                      {kEndYear, L"2009"},
                                      {kEndMonth, L"12"},
                                      {kEndDay, L"25"}}) {
        app.TypeInto(field, text);
    }
    app.Press(VK_RETURN);
    WaitUntil([&] { return app.Text(kToday).find(L'*') == std::wstring::npos; });
    Shot("form-result", Bounds(app.Form()));

    app.RightClick(kResult);
    Shot("copy-menu", Union(Bounds(app.Form()), Bounds(app.WaitForMenu())));
    app.Press(VK_ESCAPE);

    // The date tools, opened with the form's dates: one picture per page.
    app.SystemCommand(0x20);
    HWND tools = app.WaitForOtherDialog();
    HWND form = app.WorkOn(tools);
    const RECT both = Union(Bounds(form), Bounds(tools));
    Shot("tools-period", both);
    app.PressAlt('A');
    app.Type(L"2026090330");  // 30 days on: 개천절, a Saturday
    app.PressAlt('M');
    Shot("tools-shift", both);
    app.PressAlt('G');
    app.Type(L"19900520");
    Shot("tools-age", both);
    app.PressAlt('L');
    app.Type(L"20260925");  // 추석
    app.PressAlt('E');      // 윤달
    app.TypeInto(1125, L"20250601");
    Shot("tools-lunar", both);
    app.PressAlt('H');
    app.Type(L"2026");
    Shot("tools-holidays", both);
    app.PressAlt('N');
    app.Type(L"20260301");
    Shot("tools-anniversaries", both);
    app.Press(VK_ESCAPE);
    WaitUntil([&] { return IsWindow(tools) == FALSE; });
    app.WorkOn(form);

    HWND endDay = app.Control(kEndDay);
    app.Focus(kEndDay);
    app.Press(VK_F4);
    WaitUntil([&] { return SendMessageW(endDay, CB_GETDROPPEDSTATE, 0, 0) != 0; });
    Shot("list-open", Union(Bounds(app.Form()), Bounds(DroppedList(app))));
    app.Press(VK_F4);

    app.SystemCommand(16);
    HWND about = app.WaitForOtherDialog();
    Shot("about-box", Union(Bounds(app.Form()), Bounds(about)));
    app.Answer(about, IDOK);

    app.Click(kExit);
    HWND question = app.WaitForOtherDialog();
    Shot("exit-question", Union(Bounds(app.Form()), Bounds(question)));
    app.Answer(question, IDYES);
    app.WaitForExit();
}

}  // namespace

int main() {
    // Window positions in the screen's own pixels, at any display scale.
    SetProcessDPIAware();
    try {
        Tour();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "screenshot tour: %s\n", e.what());
        return 1;
    }
}
