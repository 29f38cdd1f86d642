#include "OpenForm.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/Text.h"

namespace {
constexpr UINT kRunChecks = WM_APP;
constexpr UINT kRunPosted = WM_APP + 1;
}  // namespace

// clang-format off
const fw::Message<TestForm> TestForm::kMessages[] = {
    {kRunChecks, 0,              0,               &TestForm::OnRunChecks},
    {kRunPosted, 0,              0,               &TestForm::OnRunPosted},
    {WM_COMMAND, EN_CHANGE,      IDC_START_YEAR,  &TestForm::OnStartYearChange},
    {WM_COMMAND, EN_CHANGE,      IDC_END_YEAR,    &TestForm::OnEndYearChange},
    {WM_COMMAND, CBN_EDITCHANGE, IDC_START_MONTH, &TestForm::OnBoxEdit},
    {WM_COMMAND, CBN_EDITCHANGE, IDC_START_DAY,   &TestForm::OnBoxEdit},
    {WM_COMMAND, CBN_EDITCHANGE, IDC_END_MONTH,   &TestForm::OnBoxEdit},
    {WM_COMMAND, CBN_EDITCHANGE, IDC_END_DAY,     &TestForm::OnBoxEdit},
};
// clang-format on

bool TestForm::Run() {
    DoModal();
    return m_ran;
}

HWND TestForm::Control(FieldId field) const {
    // In FieldId order.
    static const int ids[] = {IDC_START_YEAR, IDC_START_MONTH, IDC_START_DAY,
                              IDC_END_YEAR,   IDC_END_MONTH,   IDC_END_DAY};
    return GetDlgItem(m_hWnd, ids[static_cast<int>(field)]);
}

bool TestForm::OnInitDialog() {
    const bool focusFirst = CTessaroDlg::OnInitDialog();
    // Runs once the modal loop has shown the form.
    PostMessageW(m_hWnd, kRunChecks, 0, 0);
    return focusFirst;
}

bool TestForm::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return Route(kMessages, message, wParam, lParam, result) ||
           CTessaroDlg::ProcessMessage(message, wParam, lParam, result);
}

void TestForm::OnRunChecks() {
    m_ran = true;
    m_checks(*this);
    EndDialog(m_hWnd, IDCANCEL);
}

void TestForm::Post(std::function<void()> action) {
    m_posted = std::move(action);
    PostMessageW(m_hWnd, kRunPosted, 0, 0);
}

void TestForm::OnRunPosted() {
    std::exchange(m_posted, nullptr)();
}

void TestForm::OnStartYearChange() {
    ++yearChanges[0];
    yearTextAtChange[0] = GetFieldText(FieldId::StartYear);
}

void TestForm::OnEndYearChange() {
    ++yearChanges[1];
    yearTextAtChange[1] = GetFieldText(FieldId::EndYear);
}

void WithOpenForm(const TestForm::Checks& checks) {
    TestForm form(checks);
    EXPECT_TRUE(form.Run()) << "the date form did not open";
}

std::wstring WideText(HWND hWnd) {
    std::wstring text(GetWindowTextLengthW(hWnd) + 1, L'\0');
    text.resize(GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size())));
    return text;
}

std::vector<std::string> ListItems(HWND box) {
    std::vector<std::string> items;
    const auto count = SendMessageW(box, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(SendMessageW(box, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        item.resize(SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
        items.push_back(fw::ToCp949(item));
    }
    return items;
}

void TypeChar(HWND control, wchar_t ch) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    HWND target = GetComboBoxInfo(control, &info) ? info.hwndItem : control;
    SendMessageW(target, WM_CHAR, ch, 1);
}
