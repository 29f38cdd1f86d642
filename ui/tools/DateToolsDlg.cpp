#include "ui/tools/DateToolsDlg.h"

#include <algorithm>
#include <iterator>

#include "framework/Accessibility.h"
#include "framework/Clipboard.h"
#include "framework/Files.h"
#include "framework/InputMethod.h"
#include "framework/Menu.h"
#include "framework/Text.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/form/ResultMenu.h"
#include "ui/UserGuide.h"

using enum ToolField;

namespace {

// Posted after a list choice: the box's edit part shows the chosen item only once the
// notification has returned.
constexpr UINT kChoiceSettled = WM_APP + 1;
constexpr UINT kCopyCommand = 1;

constexpr ToolField kDigitFields[] = {StartYear,     EndYear, BaseYear,   BirthYear,
                                      ReferenceYear, Amount,  HolidayYear};
static_assert(IDC_TOOLS_HOLIDAY_YEAR - IDC_TOOLS_START_YEAR == kToolFieldCount - 1,
              "the inputs' ids follow the order of their fields");
// The user's holiday file, under %APPDATA%: "Tessaro\공휴일.txt".
constexpr wchar_t kUserHolidayFile[] = L"Tessaro\\\uACF5\uD734\uC77C.txt";
// A holiday file is a few hundred bytes; anything past this is no holiday file.
constexpr size_t kUserHolidayFileLimit = 1 << 20;

int IdOf(ToolField field) {
    return IDC_TOOLS_START_YEAR + static_cast<int>(field);
}

std::optional<ToolField> FieldOf(int id) {
    if (id < IDC_TOOLS_START_YEAR || id > IDC_TOOLS_HOLIDAY_YEAR) return std::nullopt;
    return static_cast<ToolField>(id - IDC_TOOLS_START_YEAR);
}

// The page a control belongs to; nothing for the radio buttons, the result area and 닫기.
std::optional<ToolPage> PageOf(int id) {
    if (const std::optional<ToolField> field = FieldOf(id)) {
        if (*field <= PeriodIncludeStart) return ToolPage::Period;
        if (*field <= ShiftIncludeStart || *field == ShiftToWorkingDay) return ToolPage::Shift;
        return *field == HolidayYear ? ToolPage::Holidays : ToolPage::Age;
    }
    if (id == IDC_TOOLS_HOLIDAY_LIST ||
        (id >= IDC_TOOLS_HOLIDAY_LABEL_FIRST && id < IDC_TOOLS_HOLIDAY_LABEL_FIRST + 10))
        return ToolPage::Holidays;
    if (id >= IDC_TOOLS_PERIOD_LABEL_FIRST && id < IDC_TOOLS_SHIFT_LABEL_FIRST)
        return ToolPage::Period;
    if (id >= IDC_TOOLS_SHIFT_LABEL_FIRST && id < IDC_TOOLS_AGE_LABEL_FIRST) return ToolPage::Shift;
    if (id >= IDC_TOOLS_AGE_LABEL_FIRST && id < IDC_TOOLS_AGE_LABEL_FIRST + 10)
        return ToolPage::Age;
    return std::nullopt;
}

}  // namespace

// clang-format off
const fw::Message<CDateToolsDlg> CDateToolsDlg::kMessages[] = {
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_PAGE_PERIOD,     &CDateToolsDlg::OnPeriodPage},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_PAGE_SHIFT,      &CDateToolsDlg::OnShiftPage},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_PAGE_AGE,        &CDateToolsDlg::OnAgePage},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_PAGE_HOLIDAYS,   &CDateToolsDlg::OnHolidaysPage},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_START_TODAY,     &CDateToolsDlg::OnStartToday},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_END_TODAY,       &CDateToolsDlg::OnEndToday},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_BASE_TODAY,      &CDateToolsDlg::OnBaseToday},
    {WM_COMMAND,     BN_CLICKED, IDC_TOOLS_REFERENCE_TODAY, &CDateToolsDlg::OnReferenceToday},
    // Enter: the results are already there, and the window stays open.
    {WM_COMMAND,     BN_CLICKED, IDOK,                      &CDateToolsDlg::OnEnter},
    {kChoiceSettled, 0,          0,                         &CDateToolsDlg::OnChoiceSettled},
    {WM_CONTEXTMENU, 0,          0,                         &CDateToolsDlg::OnContextMenu},
    {WM_HELP,        0,          0,                         &CDateToolsDlg::OnHelp},
};
// clang-format on

CDateToolsDlg::CDateToolsDlg(HWND owner, const std::optional<DatePair>& mainFormDates)
    : fw::Dialog(IDD, owner), m_mainFormDates(mainFormDates) {}

bool CDateToolsDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_COMMAND && OnInputNotification(wParam)) {
        result = TRUE;
        return true;
    }
    return Route(kMessages, message, wParam, lParam, result) ||
           fw::Dialog::ProcessMessage(message, wParam, lParam, result);
}

bool CDateToolsDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    fw::Annotations annotations;
    for (int i = 0; i < kToolFieldCount; ++i) {
        const auto field = static_cast<ToolField>(i);
        const char* name = ToolFieldName(field);
        if (!name) continue;  // a check box, named by its own text
        annotations.SetName(Item(field), name);
        if (field != Unit && field != ShiftDirection) fw::DisableInputMethod(Item(field));
    }
    for (size_t i = 0; i < std::size(kDigitFields); ++i) {
        m_digitFields[i].Attach(Item(kDigitFields[i]));
        m_digitFields[i].Send(EM_LIMITTEXT, kDigitFields[i] == Amount ? 7 : 4);
        m_digitFields[i].WatchPaste();
    }
    annotations.MarkAssertiveLiveRegion(GetDlgItem(m_hWnd, IDC_TOOLS_RESULT));
    annotations.SetName(GetDlgItem(m_hWnd, IDC_TOOLS_HOLIDAY_LIST), kHolidayListName);
    annotations.MarkAssertiveLiveRegion(GetDlgItem(m_hWnd, IDC_TOOLS_HOLIDAY_LIST));
    Open(m_mainFormDates);
    return false;  // the page logic has put the focus on the page's first field
}

bool CDateToolsDlg::OnInputNotification(WPARAM wParam) {
    const std::optional<ToolField> field = FieldOf(LOWORD(wParam));
    if (!field) return false;
    switch (HIWORD(wParam)) {
        case EN_CHANGE:
            if (*field == Amount)
                OnAmountChange();
            else
                OnYearChange(*field);
            return true;
        case CBN_EDITCHANGE:
            OnBoxEditChange(*field);
            return true;
        case CBN_SELCHANGE:
            PostMessageW(m_hWnd, kChoiceSettled, 0, 0);
            return true;
        case BN_CLICKED:
            OnChoiceChange();
            return true;
        case CBN_DROPDOWN:
            OnDayListOpening(*field);
            return true;
        case EN_KILLFOCUS:
        case CBN_KILLFOCUS:
            OnFieldLeft();
            return true;
        case fw::kEditPaste:
            OnPasteInto(*field);
            return true;
        default:
            return false;
    }
}

void CDateToolsDlg::OnPasteInto(ToolField field) {
    if (const std::optional<std::string> digits = OnPaste(field, fw::GetClipboardText(m_hWnd))) {
        const std::wstring text = fw::ToUtf16(*digits);
        SendMessageW(Item(field), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

// The holiday list answers the context-menu key for itself, as the result area cannot.
void CDateToolsDlg::OnContextMenu(HWND clicked, LPARAM where) {
    HWND area = ResultArea();
    std::optional<POINT> at = ResultMenuPoint(m_hWnd, area, clicked, where);
    if (!at && clicked == area && Page() == ToolPage::Holidays) {
        RECT rect{};
        GetWindowRect(area, &rect);
        at = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    if (!at) {
        Default();
        return;
    }
    const fw::PopupMenu menu;
    menu.AppendItem(kCopyCommand, kCopyToolResultItem, TextToCopy().has_value());
    // A copy that could not be made is said with the warning sound, as on the date form.
    if (menu.Track(m_hWnd, *at) == kCopyCommand && TextToCopy() &&
        !fw::PutTextOnClipboard(m_hWnd, *TextToCopy())) {
        MessageBeep(MB_ICONWARNING);
    }
}

void CDateToolsDlg::OnPeriodPage() {
    OnPageChosen(ToolPage::Period);
}

void CDateToolsDlg::OnShiftPage() {
    OnPageChosen(ToolPage::Shift);
}

void CDateToolsDlg::OnAgePage() {
    OnPageChosen(ToolPage::Age);
}

void CDateToolsDlg::OnHolidaysPage() {
    OnPageChosen(ToolPage::Holidays);
}

void CDateToolsDlg::OnStartToday() {
    OnToday(StartYear);
}

void CDateToolsDlg::OnEndToday() {
    OnToday(EndYear);
}

void CDateToolsDlg::OnBaseToday() {
    OnToday(BaseYear);
}

void CDateToolsDlg::OnReferenceToday() {
    OnToday(ReferenceYear);
}

void CDateToolsDlg::OnChoiceSettled() {
    OnChoiceChange();
}

void CDateToolsDlg::OnHelp() {
    OpenUserGuide(m_hWnd);
}

HWND CDateToolsDlg::Item(ToolField field) const {
    return GetDlgItem(m_hWnd, IdOf(field));
}

HWND CDateToolsDlg::ResultArea() const {
    return GetDlgItem(m_hWnd,
                      Page() == ToolPage::Holidays ? IDC_TOOLS_HOLIDAY_LIST : IDC_TOOLS_RESULT);
}

std::string CDateToolsDlg::GetText(ToolField field) {
    fw::Window control;
    control.Attach(Item(field));
    return control.GetText();
}

void CDateToolsDlg::SetText(ToolField field, const std::string& text) {
    SetItemText(IdOf(field), text);
}

void CDateToolsDlg::ClearList(ToolField field) {
    SendMessageW(Item(field), CB_RESETCONTENT, 0, 0);
}

void CDateToolsDlg::AddListItem(ToolField field, const std::string& text) {
    fw::ComboBox box;
    box.Attach(Item(field));
    box.AddString(text);
}

int CDateToolsDlg::GetSelection(ToolField field) {
    return static_cast<int>(SendMessageW(Item(field), CB_GETCURSEL, 0, 0));
}

void CDateToolsDlg::SetSelection(ToolField field, int index) {
    SendMessageW(Item(field), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool CDateToolsDlg::IsChecked(ToolField field) {
    return IsDlgButtonChecked(m_hWnd, IdOf(field)) == BST_CHECKED;
}

void CDateToolsDlg::FocusField(ToolField field) {
    GotoControl(Item(field));
}

// Hidden controls are also disabled, so that the mnemonics of the other pages' check boxes
// do not reach them.
void CDateToolsDlg::ShowPage(ToolPage page) {
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const std::optional<ToolPage> owner = PageOf(id);
        bool shown = owner == page;
        if (id == IDC_TOOLS_RESULT || id == IDC_TOOLS_RESULT_RULE)
            shown = page != ToolPage::Holidays;
        else if (!owner)
            continue;
        ShowWindow(child, shown ? SW_SHOW : SW_HIDE);
        EnableWindow(child, shown ? TRUE : FALSE);
    }
    CheckRadioButton(m_hWnd, IDC_TOOLS_PAGE_PERIOD, IDC_TOOLS_PAGE_HOLIDAYS,
                     IDC_TOOLS_PAGE_PERIOD + static_cast<int>(page));
}

// On the holiday page the result goes to its list, a line an item.
void CDateToolsDlg::SetResultText(const std::string& text) {
    if (Page() != ToolPage::Holidays) {
        SetItemText(IDC_TOOLS_RESULT, text);
        return;
    }
    HWND list = GetDlgItem(m_hWnd, IDC_TOOLS_HOLIDAY_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        const std::wstring line = fw::ToUtf16(text.substr(start, end - start));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        start = end + 2;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void CDateToolsDlg::AnnounceResult() {
    fw::AnnounceLiveRegionChange(ResultArea());
}

CivilDate CDateToolsDlg::ReadToday() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

// A missing file or folder is the usual case; the file is never written.
DateToolsForm::UserFile CDateToolsDlg::ReadUserHolidayFile() {
    const std::wstring path = fw::PathInAppData(kUserHolidayFile);
    UserFile file{fw::ReadSmallFile(path, kUserHolidayFileLimit)};
    file.unreadable = !file.utf8 && fw::IsExistingFile(path);
    return file;
}

std::string CDateToolsDlg::Cp949FromUtf8(std::string_view utf8) {
    return fw::Utf8ToCp949(utf8);
}
