#include "UserRound.h"

#include <cwchar>
#include <stdexcept>

#include "res/resource.h"

namespace {

// A valid date pair as the user types it, field after field without Tab: each complete field
// moves the focus on by itself. The end date lies one to three years after the start date.
std::wstring DatePair(int n) {
    const int year = 1990 + n % 30;
    const int month = 1 + n % 12;
    const int day = 1 + n % 28;
    wchar_t text[32];
    swprintf(text, 32, L"%04d%02d%02d%04d%02d%02d", year, month, day, year + 1 + n % 3, month, day);
    return text;
}

void Calculate(TessaroDriver& app) {
    app.Click(IDC_CALCULATE);
    if (app.Text(IDC_RESULT).empty()) throw std::runtime_error("Calculate left the result empty");
}

void OpenEveryList(TessaroDriver& app) {
    for (const int box : {IDC_START_MONTH, IDC_START_DAY, IDC_END_MONTH, IDC_END_DAY}) {
        app.OpenList(box);
    }
}

}  // namespace

void WorkOneRound(TessaroDriver& app, int n) {
    app.Click(IDC_RESET);
    app.Focus(IDC_START_YEAR);
    app.Type(DatePair(n));
    Calculate(app);
    OpenEveryList(app);

    // An incomplete pair: the message naming the missing field.
    app.Click(IDC_RESET);
    app.Focus(IDC_END_YEAR);
    app.Type(L"2001");
    Calculate(app);

    app.Click(IDC_FROM_TODAY);
    app.Click(IDC_UNTIL_TODAY);
    Calculate(app);
    OpenEveryList(app);

    // The exit question, declined, and the About box.
    app.Click(IDOK);
    app.Answer(app.WaitForOtherDialog(), IDNO);
    app.SystemCommand(IDM_ABOUTBOX);
    app.Answer(app.WaitForOtherDialog(), IDOK);

    // Minimised, the form paints its icon itself.
    app.SystemCommand(SC_MINIMIZE);
    if (!IsIconic(app.Form())) throw std::runtime_error("the form did not minimise");
    app.SystemCommand(SC_RESTORE);
    if (IsIconic(app.Form())) throw std::runtime_error("the form did not come back");

    app.Click(IDC_RESET);
}
