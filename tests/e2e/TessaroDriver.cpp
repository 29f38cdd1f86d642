#include "TessaroDriver.h"

#include "ClipboardText.h"
#include "NotRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kReplyTimeoutMs = 5000;
// How long a window may take to come to the front by itself before the driver brings it there.
constexpr DWORD kInFrontMs = 1000;
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kCaptionStart[] = L"Tessaro v1.1";

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(length);
    return wide;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kReplyTimeoutMs,
                             &result)) {
        Fail("the program did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

INPUT KeyInput(WORD virtualKey, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    // The type just set makes ki the union's member in use.
    // NOLINTBEGIN(cppcoreguidelines-pro-type-union-access)
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    // NOLINTEND(cppcoreguidelines-pro-type-union-access)
    return input;
}

INPUT ShiftKey(DWORD flags) {
    return KeyInput(VK_SHIFT, 0, flags);
}

void AddKeyStroke(std::vector<INPUT>& inputs, WORD virtualKey) {
    const WORD scan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    inputs.push_back(KeyInput(virtualKey, scan, 0));
    inputs.push_back(KeyInput(virtualKey, scan, KEYEVENTF_KEYUP));
}

struct ThreadDialogs {
    HWND exclude;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM context) {
    auto* dialogs = reinterpret_cast<ThreadDialogs*>(context);
    if (window != dialogs->exclude && IsWindowVisible(window) != FALSE &&
        ClassName(window) == kDialogClass) {
        dialogs->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK FindMenu(HWND window, LPARAM context) {
    if (IsWindowVisible(window) != FALSE && ClassName(window) == L"#32768") {
        *reinterpret_cast<HWND*>(context) = window;
        return FALSE;
    }
    return TRUE;
}

// Opens the clipboard, which another program may hold open for a moment.
void OpenClipboardWaiting() {
    const bool opened = WaitUntil([] { return OpenClipboard(nullptr) != FALSE; });
    if (!opened) Fail("the clipboard stays busy");
}

struct FormSearch {
    DWORD processId;
    HWND form;
};

BOOL CALLBACK FindForm(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<FormSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window) != FALSE &&
        ClassName(window) == kDialogClass && WindowText(window).starts_with(kCaptionStart)) {
        search->form = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string Utf8(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(length);
    return bytes;
}

std::wstring WindowsPath(const char* variable) {
    // Read as UTF-16: through getenv, a folder name outside the ANSI code page (Hangul on a
    // Western Windows) would arrive as question marks.
    const std::wstring name = Widen(variable);
    std::wstring wide(GetEnvironmentVariableW(name.c_str(), nullptr, 0), L'\0');
    if (wide.size() <= 1) Fail(std::string(variable) + " names no program");
    wide.resize(
        GetEnvironmentVariableW(name.c_str(), wide.data(), static_cast<DWORD>(wide.size())));
    if (wide.starts_with(L"/")) {
        std::ranges::replace(wide, L'/', L'\\');
        wide = L"Z:" + wide;
    }
    return wide;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) return condition();
        Sleep(5);
    }
    return true;
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kReplyTimeoutMs,
                             &length)) {
        Fail("no answer to WM_GETTEXTLENGTH");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_NORMAL, kReplyTimeoutMs, &copied)) {
        Fail("no answer to WM_GETTEXT");
    }
    text.resize(copied);
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<std::wstring> ListItems(HWND list) {
    const bool listBox = ClassName(list) == L"ListBox";
    std::vector<std::wstring> items;
    const LRESULT count = Send(list, listBox ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(list, listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0);
        std::wstring item(length + 1, L'\0');
        const LRESULT copied = Send(list, listBox ? LB_GETTEXT : CB_GETLBTEXT, i,
                                    reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : copied);
        items.push_back(item);
    }
    return items;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::wstring ClipboardText() {
    OpenClipboardWaiting();
    std::wstring text = UnicodeTextOfOpenClipboard();
    CloseClipboard();
    return text;
}

void ClearClipboard() {
    OpenClipboardWaiting();
    EmptyClipboard();
    CloseClipboard();
}

void PutOnClipboard(const std::wstring& text) {
    OpenClipboardWaiting();
    PutUnicodeTextOnOpenClipboard(text);
    CloseClipboard();
}

PROCESS_INFORMATION StartProgram(const std::wstring& path, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    // The program gets the null device, not the driver's output: a crash handler started for
    // it would otherwise hold the test runner's pipes open. Only the null device is inherited.
    for (const DWORD stream : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        SetHandleInformation(GetStdHandle(stream), HANDLE_FLAG_INHERIT, 0);
    }
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE nul =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inheritable, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    const DWORD error = GetLastError();
    CloseHandle(nul);
    if (!started) Fail("cannot start a program, error " + std::to_string(error));
    return process;
}

DWORD RunToExit(const std::wstring& path) {
    const PROCESS_INFORMATION process = StartProgram(path, L"");
    const DWORD waited = WaitForSingleObject(process.hProcess, kStartTimeoutMs);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (waited != WAIT_OBJECT_0) Fail("a program did not end");
    return exitCode;
}

TessaroDriver::TessaroDriver(const std::wstring& arguments)
    : process_(StartProgram(ProgramPath(), arguments)) {
    WaitForForm();
}

TessaroDriver::~TessaroDriver() {
    if (IsRunning()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kReplyTimeoutMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void TessaroDriver::WaitForForm() {
    WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    FormSearch search{process_.dwProcessId, nullptr};
    const bool found = WaitUntil(
        [&] {
            EnumWindows(FindForm, reinterpret_cast<LPARAM>(&search));
            return search.form != nullptr || !IsRunning();
        },
        kStartTimeoutMs);
    if (!found || search.form == nullptr) Fail("the form did not appear");
    form_ = search.form;
    thread_ = GetWindowThreadProcessId(form_, nullptr);
    if (!AttachThreadInput(GetCurrentThreadId(), thread_, TRUE)) {
        Fail("cannot share the program's input state");
    }
    // Activation restores the form's saved focus; acting before it could be undone by it.
    BringToFront();
    Settle();
}

HWND TessaroDriver::WorkOn(HWND dialog) {
    HWND worked = std::exchange(form_, dialog);
    BringToFront();
    return worked;
}

bool TessaroDriver::InFront() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread_, &info) != FALSE && info.hwndActive == form_ &&
           info.hwndFocus != nullptr && GetForegroundWindow() == form_;
}

void TessaroDriver::BringToFront() {
    if (WaitUntil([&] { return InFront(); }, kInFrontMs)) return;
    // Windows lets a program set the foreground window only in some cases, one of them when it
    // sent the last input: a console that started the tests may keep the front otherwise. An
    // Alt press and release is such input, and goes to the window in front, not to ours.
    if (GetForegroundWindow() != form_) {
        std::vector<INPUT> alt;
        AddKeyStroke(alt, VK_MENU);
        SendInput(static_cast<UINT>(alt.size()), alt.data(), sizeof(INPUT));
        SetForegroundWindow(form_);
    }
    if (WaitUntil([&] { return InFront(); }, kStartTimeoutMs)) return;
    if (!IsRunning()) Fail("the program ended");
    // The window in front may be another program's, one that does not answer: its caption as
    // the system keeps it.
    wchar_t front[256] = L"";
    GetWindowTextW(GetForegroundWindow(), front, 256);
    NotRun("the desktop keeps \"" + Utf8(WindowText(form_)) + "\" from the front (in front: \"" +
           Utf8(front) + "\"), so keystrokes would go to another program");
}

void TessaroDriver::NotRun(const std::string& reason) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kReplyTimeoutMs);
    std::printf("%s%s\n", kNotRunPrefix, reason.c_str());
    std::fflush(stdout);
    std::exit(static_cast<int>(kNotRunExitCode));
}

HWND TessaroDriver::Control(int id) const {
    HWND control = GetDlgItem(form_, id);
    if (control == nullptr) Fail("the form has no control " + std::to_string(id));
    return control;
}

std::wstring TessaroDriver::Text(int id) const {
    return WindowText(Control(id));
}

int TessaroDriver::FocusedId() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread_, &info) || info.hwndFocus == nullptr) return 0;
    HWND focus = info.hwndFocus;
    HWND parent = GetParent(focus);
    if (parent != nullptr && ClassName(parent) == L"ComboBox") focus = parent;
    return GetDlgCtrlID(focus);
}

void TessaroDriver::Focus(int id) {
    Send(form_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
    Settle();
}

void TessaroDriver::Type(std::wstring_view text) {
    for (wchar_t c : text) {
        SendKeys({KeyInput(0, c, KEYEVENTF_UNICODE),
                  KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
    }
}

void TessaroDriver::TypeInto(int id, std::wstring_view text) {
    Focus(id);
    // Home, then Shift+End: the typing replaces whatever the field held.
    std::vector<INPUT> select;
    AddKeyStroke(select, VK_HOME);
    select.push_back(ShiftKey(0));
    AddKeyStroke(select, VK_END);
    select.push_back(ShiftKey(KEYEVENTF_KEYUP));
    SendKeys(select);
    Type(text);
}

void TessaroDriver::Press(WORD virtualKey) {
    std::vector<INPUT> inputs;
    AddKeyStroke(inputs, virtualKey);
    SendKeys(inputs);
}

void TessaroDriver::PressWith(WORD modifier, WORD virtualKey) {
    const WORD modifierScan = static_cast<WORD>(MapVirtualKeyW(modifier, MAPVK_VK_TO_VSC));
    std::vector<INPUT> inputs{KeyInput(modifier, modifierScan, 0)};
    AddKeyStroke(inputs, virtualKey);
    inputs.push_back(KeyInput(modifier, modifierScan, KEYEVENTF_KEYUP));
    SendKeys(inputs);
}

void TessaroDriver::SendKeys(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) Fail("SendInput refused the keystrokes");
    Settle();
}

void TessaroDriver::Click(int id) {
    // Posted: a click that opens a modal box returns only when the box closes.
    PostMessageW(Control(id), BM_CLICK, 0, 0);
    Settle();
}

void TessaroDriver::RightClick(int id) {
    RECT bounds{};
    GetWindowRect(Control(id), &bounds);
    if (!SetCursorPos((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2)) {
        Fail("cannot move the mouse");
    }
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    // The type just set makes mi the union's member in use.
    // NOLINTBEGIN(cppcoreguidelines-pro-type-union-access)
    clicks[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    // NOLINTEND(cppcoreguidelines-pro-type-union-access)
    if (SendInput(2, clicks, sizeof(INPUT)) != 2) Fail("SendInput refused the click");
    Settle();
}

HWND TessaroDriver::WaitForMenu() const {
    HWND menu = nullptr;
    const bool opened = WaitUntil([&] {
        EnumThreadWindows(thread_, FindMenu, reinterpret_cast<LPARAM>(&menu));
        return menu != nullptr;
    });
    if (!opened) Fail("no menu opened");
    return menu;
}

std::vector<std::wstring> TessaroDriver::OpenList(int id) {
    HWND box = Control(id);
    Focus(id);
    Press(VK_F4);
    if (!WaitUntil([&] { return Send(box, CB_GETDROPPEDSTATE, 0, 0) != 0; })) {
        Fail("the list of " + std::to_string(id) + " did not open");
    }
    std::vector<std::wstring> items = ListItems(box);
    Press(VK_F4);
    if (!WaitUntil([&] { return Send(box, CB_GETDROPPEDSTATE, 0, 0) == 0; })) {
        Fail("the list of " + std::to_string(id) + " did not close");
    }
    return items;
}

void TessaroDriver::SystemCommand(WPARAM command) {
    PostMessageW(form_, WM_SYSCOMMAND, command, 0);
    Settle();
}

void TessaroDriver::SetText(int id, const std::wstring& text) {
    Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND TessaroDriver::OtherDialog() const {
    ThreadDialogs dialogs{form_, {}};
    EnumThreadWindows(thread_, CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs.found.empty() ? nullptr : dialogs.found.front();
}

HWND TessaroDriver::WaitForOtherDialog() {
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = OtherDialog()) != nullptr; })) {
        Fail("no second dialog appeared");
    }
    Settle();
    return dialog;
}

void TessaroDriver::Answer(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (button == nullptr) Fail("the dialog has no button " + std::to_string(buttonId));
    PostMessageW(button, BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return IsWindow(dialog) == FALSE || IsWindowVisible(dialog) == FALSE; })) {
        Fail("the dialog did not close");
    }
    Settle();
}

bool TessaroDriver::IsRunning() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void TessaroDriver::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        Fail("the program is still running");
    }
}

void TessaroDriver::Settle() const {
    if (!IsRunning()) return;
    // Input is handled after every sent and posted message, so a round trip of WM_NULL proves
    // nothing about it. Sharing the program's input state shows when it has taken a marker
    // keystroke (a lone Shift) from its queue: everything typed before it has been handled.
    // Wine resets held keys to the X server's state when a window takes the X focus, which can
    // swallow the marker: then it is sent again.
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        const bool down = flags == 0;
        const auto taken = [&] {
            return ((GetKeyState(VK_SHIFT) & 0x8000) != 0) == down || !IsRunning();
        };
        const bool settled = WaitUntil(
            [&] {
                INPUT marker = ShiftKey(flags);
                SendInput(1, &marker, sizeof marker);
                return WaitUntil(taken, 250);
            },
            kReplyTimeoutMs);
        if (!settled) Fail("the program did not take its input");
    }
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_NORMAL, kReplyTimeoutMs, &ignored) &&
        IsRunning() && IsWindow(form_)) {
        Fail("the program stopped answering");
    }
}
