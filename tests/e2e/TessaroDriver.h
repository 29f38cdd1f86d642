// Drives Tessaro.exe from outside, as a user would: launches it, finds its form, types real
// keystrokes, clicks, opens lists, answers its questions, and reads controls, focus and lists.
// Every wait is bounded; a wait that runs out throws, which fails the running test. A window the
// desktop keeps from the front ends the program as not run (NotRun.h).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The program named by an environment variable (TESSARO_EXE: the program under test), given
// as a Unix path (reached through drive Z:) or as a Windows path.
std::wstring WindowsPath(const char* variable);
inline std::wstring ProgramPath() {
    return WindowsPath("TESSARO_EXE");
}

// Starts a program with the driver's own environment.
PROCESS_INFORMATION StartProgram(const std::wstring& path, const std::wstring& arguments);
// Starts a program without arguments and returns its exit code.
DWORD RunToExit(const std::wstring& path);

// Polls the condition until it holds or the time runs out; returns its last value. The default
// leaves room for a machine busy with other work.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

class TessaroDriver {
public:
    // Starts the program with these command-line arguments and waits until its form is the
    // foreground window and has a keyboard focus.
    explicit TessaroDriver(const std::wstring& arguments = L"");
    // Kills the program if it is still running.
    ~TessaroDriver();
    TessaroDriver(const TessaroDriver&) = delete;
    TessaroDriver& operator=(const TessaroDriver&) = delete;

    HWND Form() const { return form_; }
    HWND Control(int id) const;
    std::wstring Text(int id) const;
    // Id of the control holding the keyboard focus; a combo box's for the edit inside it.
    int FocusedId() const;

    // Moves the focus the way the dialog's own keyboard handling does.
    void Focus(int id);
    // Real keystrokes into whatever has the focus, one character at a time.
    void Type(std::wstring_view text);
    // Puts the focus into the field (selecting its text) and types over it.
    void TypeInto(int id, std::wstring_view text);
    void Press(WORD virtualKey);
    void PressAlt(WORD virtualKey) { PressWith(VK_MENU, virtualKey); }
    // The key with a modifier held down (VK_CONTROL, VK_SHIFT, VK_MENU).
    void PressWith(WORD modifier, WORD virtualKey);
    // A click on a button of the form; does not wait for what the click opens.
    void Click(int id);
    // A right-click with the mouse in the middle of the control; does not wait for a menu.
    void RightClick(int id);
    // The pop-up menu the program shows, once it is open.
    HWND WaitForMenu() const;
    // Focuses the box, opens its list with F4, reads the items, closes it again.
    std::vector<std::wstring> OpenList(int id);
    void SystemCommand(WPARAM command);
    void SetText(int id, const std::wstring& text);

    // Another dialog of the program's thread (the exit question, the About box).
    HWND WaitForOtherDialog();
    HWND OtherDialog() const;
    // Clicks a button of another dialog, e.g. IDYES or IDNO on the exit question.
    void Answer(HWND dialog, int buttonId);

    // Works another dialog of the program (the date tools) through Control, Text, Focus and
    // the rest, until switched back, once it is in front; returns the dialog worked before.
    HWND WorkOn(HWND dialog);

    bool IsRunning() const;
    void WaitForExit(DWORD timeoutMs = 5000);
    // Returns once the program has handled everything sent to it so far.
    void Settle() const;

private:
    void SendKeys(std::vector<INPUT> inputs);
    void WaitForForm();
    bool InFront() const;
    // Waits for the worked dialog to be in front, and brings it there when it does not come.
    void BringToFront();
    // Ends the program and this one as not run, for the reason given (NotRun.h).
    [[noreturn]] void NotRun(const std::string& reason);

    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
    DWORD thread_ = 0;
};

// Helpers on any window, also another process's.
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// The items of a combo box's list or of a list box.
std::vector<std::wstring> ListItems(HWND list);
// UTF-8 of a text, for test messages.
std::string Utf8(const std::wstring& text);
// Direct children in creation order.
std::vector<HWND> Children(HWND parent);

// The clipboard's Unicode text ("" when it holds none), emptying it and filling it. Every
// program of the Wine prefix shares the one clipboard.
std::wstring ClipboardText();
void ClearClipboard();
void PutOnClipboard(const std::wstring& text);
