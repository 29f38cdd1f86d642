// Opens the real date form from its template and runs checks on it while it is shown, inside
// its modal run; the form then closes. The year-change and box-edit notifications are counted
// by the test form's own message table, ahead of the form's handlers, and go no further: the
// checks see what the controls do, not what the handlers make of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/form/TessaroDlg.h"

class TestForm : public CTessaroDlg {
public:
    using Checks = std::function<void(TestForm&)>;

    // toolsAtStart: as "Tessaro.exe /tools" starts it; the checks run with the tools open.
    explicit TestForm(Checks checks, bool toolsAtStart = false)
        : CTessaroDlg(nullptr, toolsAtStart), m_checks(std::move(checks)) {}

    // Runs the checks on the open form; false when the form never opened.
    bool Run();

    HWND Control(FieldId field) const;

    // Runs the action when the form next handles its posted messages, e.g. inside the modal
    // loop of a box the form opens.
    void Post(std::function<void()> action);

    // Per year field (0 start, 1 end): changes seen, and the field's text at the last one.
    int yearChanges[2] = {0, 0};
    std::string yearTextAtChange[2];
    int boxEdits = 0;  // edit-change notifications of the four month and day boxes

protected:
    bool OnInitDialog() override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    static const fw::Message<TestForm> kMessages[];

    // Called through kMessages, which cppcheck does not follow.
    void OnRunChecks();               // cppcheck-suppress unusedPrivateFunction
    void OnRunPosted();               // cppcheck-suppress unusedPrivateFunction
    void OnStartYearChange();         // cppcheck-suppress unusedPrivateFunction
    void OnEndYearChange();           // cppcheck-suppress unusedPrivateFunction
    void OnBoxEdit() { ++boxEdits; }  // cppcheck-suppress unusedPrivateFunction

    Checks m_checks;
    std::function<void()> m_posted;
    bool m_ran = false;
};

// Runs the checks on a freshly opened form; fails the test when it cannot open.
void WithOpenForm(const TestForm::Checks& checks);

// The window's text as UTF-16, read past the program's own text conversion.
std::wstring WideText(HWND hWnd);

// The month or day box's list items, in list order, as CP949.
std::vector<std::string> ListItems(HWND box);

// Types one character into the control (for a combo box, into its edit part), as a key would.
void TypeChar(HWND control, wchar_t ch);
