#include "ui/tools/DateToolsDlg.h"

#include <algorithm>
#include <iterator>

#include "framework/Accessibility.h"
#include "framework/Clipboard.h"
#include "framework/Files.h"
#include "framework/InputMethod.h"
#include "framework/Menu.h"
#include "framework/Text.h"
#include "ui/entry/EntryBinding.h"
#include "ui/tools/AnniversaryResult.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/form/ResultMenu.h"
#include "ui/UserGuide.h"

using enum ToolField;

namespace {

// Posted after a list choice.
constexpr UINT kChoiceSettled = WM_APP + 1;
constexpr UINT kCopyCommand = 1;

constexpr ToolField kDigitFields[] = {StartYear,     EndYear,        BaseYear,    BirthYear,
                                      ReferenceYear, Amount,         HolidayYear, SolarYear,
                                      LunarYear,     AnniversaryYear};
static_assert(IDC_TOOLS_ANNIVERSARY_LUNAR - IDC_TOOLS_START_YEAR == kToolFieldCount - 1,
              "the inputs' ids follow the order of their fields");
// The user's holiday file, under %APPDATA%: "Tessaro\공휴일.txt".
constexpr wchar_t kUserHolidayFile[] = L"Tessaro\\\uACF5\uD734\uC77C.txt";
// A holiday file is a few hundred bytes; anything past this is no holiday file.
constexpr size_t kUserHolidayFileLimit = 1 << 20;

constexpr UINT kFirstInput = IDC_TOOLS_START_YEAR;
constexpr UINT kLastInput = IDC_TOOLS_ANNIVERSARY_LUNAR;

struct TodayButton {
    int id;
    ToolField year;
};
constexpr TodayButton kTodayButtons[] = {
    {IDC_TOOLS_START_TODAY, StartYear}, {IDC_TOOLS_END_TODAY, EndYear},
    {IDC_TOOLS_BASE_TODAY, BaseYear},   {IDC_TOOLS_REFERENCE_TODAY, ReferenceYear},
    {IDC_TOOLS_SOLAR_TODAY, SolarYear}, {IDC_TOOLS_ANNIVERSARY_TODAY, AnniversaryYear}};

int IdOf(ToolField field) {
    return IDC_TOOLS_START_YEAR + static_cast<int>(field);
}

// The input of an id in kFirstInput..kLastInput.
ToolField FieldOf(int id) {
    return static_cast<ToolField>(id - IDC_TOOLS_START_YEAR);
}

std::size_t DigitFieldIndex(ToolField field) {
    return static_cast<std::size_t>(std::ranges::find(kDigitFields, field) -
                                    std::begin(kDigitFields));
}

// The page of an input, by the order of the fields.
ToolPage PageOfField(ToolField field) {
    if (field <= PeriodIncludeStart) return ToolPage::Period;
    if (field <= ShiftIncludeStart || field == ShiftToWorkingDay) return ToolPage::Shift;
    if (field <= ReferenceDay || field == BirthIsLunar || field == BirthLeapMonth)
        return ToolPage::Age;
    if (field == HolidayYear) return ToolPage::Holidays;
    if (field <= LunarLeapMonth) return ToolPage::Lunar;
    return ToolPage::Anniversaries;
}

// Each page's range of labels and buttons, and the list that shows its result (0: the result
// area).
struct PageControls {
    ToolPage page;
    int firstLabel;
    int list;
};
constexpr PageControls kPageControls[] = {
    {ToolPage::Period, IDC_TOOLS_PERIOD_LABEL_FIRST, 0},
    {ToolPage::Shift, IDC_TOOLS_SHIFT_LABEL_FIRST, 0},
    {ToolPage::Age, IDC_TOOLS_AGE_LABEL_FIRST, 0},
    {ToolPage::Holidays, IDC_TOOLS_HOLIDAY_LABEL_FIRST, IDC_TOOLS_HOLIDAY_LIST},
    {ToolPage::Lunar, IDC_TOOLS_LUNAR_LABEL_FIRST, IDC_TOOLS_LUNAR_LIST},
    {ToolPage::Anniversaries, IDC_TOOLS_ANNIVERSARY_LABEL_FIRST, IDC_TOOLS_ANNIVERSARY_LIST},
};
constexpr int kLabelRange = 10;

int ListOf(ToolPage page) {
    return std::ranges::find(kPageControls, page, &PageControls::page)->list;
}

bool HasList(ToolPage page) {
    return ListOf(page) != 0;
}

// The page a control belongs to; nothing for the page buttons, the result area and 닫기.
std::optional<ToolPage> PageOf(int id) {
    if (id >= static_cast<int>(kFirstInput) && id <= static_cast<int>(kLastInput))
        return PageOfField(FieldOf(id));
    if (id == IDC_TOOLS_ANNIVERSARY_SAVE) return ToolPage::Anniversaries;
    const auto* owner = std::ranges::find_if(kPageControls, [id](const PageControls& page) {
        return id == page.list || (id >= page.firstLabel && id < page.firstLabel + kLabelRange);
    });
    if (owner == std::end(kPageControls)) return std::nullopt;
    return owner->page;
}

}  // namespace

// clang-format off
const fw::Message<CDateToolsDlg> CDateToolsDlg::kMessages[] = {
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_PAGE_PERIOD,     &CDateToolsDlg::OnPageButton, IDC_TOOLS_PAGE_HOLIDAYS},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_START_TODAY,     &CDateToolsDlg::OnTodayButton},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_END_TODAY,       &CDateToolsDlg::OnTodayButton},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_BASE_TODAY,      &CDateToolsDlg::OnTodayButton},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_REFERENCE_TODAY, &CDateToolsDlg::OnTodayButton},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_SOLAR_TODAY,     &CDateToolsDlg::OnTodayButton},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_ANNIVERSARY_TODAY, &CDateToolsDlg::OnTodayButton},
    {WM_COMMAND,     BN_CLICKED,     IDC_TOOLS_ANNIVERSARY_SAVE, &CDateToolsDlg::OnSaveAnniversaries},
    // Enter: the results are already there, and the window stays open.
    {WM_COMMAND,     BN_CLICKED,     IDOK,                      &CDateToolsDlg::OnEnter},
    // The inputs, by ranges of their ids.
    {WM_COMMAND,     EN_CHANGE,      kFirstInput,               &CDateToolsDlg::OnEditChange,  kLastInput},
    {WM_COMMAND,     CBN_EDITCHANGE, kFirstInput,               &CDateToolsDlg::OnBoxEdit,     kLastInput},
    {WM_COMMAND,     CBN_SELCHANGE,  kFirstInput,               &CDateToolsDlg::OnListChoice,  kLastInput},
    {WM_COMMAND,     BN_CLICKED,     kFirstInput,               &CDateToolsDlg::OnChoiceChange, kLastInput},
    {WM_COMMAND,     CBN_DROPDOWN,   kFirstInput,               &CDateToolsDlg::OnDropDown,    kLastInput},
    {WM_COMMAND,     EN_KILLFOCUS,   kFirstInput,               &CDateToolsDlg::OnFieldLeft,   kLastInput},
    {WM_COMMAND,     CBN_KILLFOCUS,  kFirstInput,               &CDateToolsDlg::OnFieldLeft,   kLastInput},
    {WM_COMMAND,     fw::kEditPaste, kFirstInput,               &CDateToolsDlg::OnPasteInto,   kLastInput},
    {kChoiceSettled, 0,              0,                         &CDateToolsDlg::OnChoiceChange},
    {WM_CONTEXTMENU, 0,              0,                         &CDateToolsDlg::OnContextMenu},
    {WM_HELP,        0,              0,                         &CDateToolsDlg::OnHelp},
};
// clang-format on

CDateToolsDlg::CDateToolsDlg(HWND owner, const std::optional<DatePair>& mainFormDates)
    : fw::Dialog(IDD, owner), m_mainFormDates(mainFormDates) {}

bool CDateToolsDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return Route(kMessages, message, wParam, lParam, result) ||
           fw::Dialog::ProcessMessage(message, wParam, lParam, result);
}

bool CDateToolsDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    fw::Annotations& annotations = m_annotations;
    for (int i = 0; i < kToolFieldCount; ++i) {
        const auto field = static_cast<ToolField>(i);
        const char* name = ToolFieldName(field);
        if (!name) continue;  // a check box, named by its own text
        annotations.SetName(Item(field), name);
        const bool box = field != Unit && field != ShiftDirection &&
                         DigitFieldIndex(field) == std::size(kDigitFields);
        if (box) BindDateField(Item(field));
    }
    for (size_t i = 0; i < std::size(kDigitFields); ++i) {
        BindDateField(Item(kDigitFields[i]), &m_digitFields[i]);
        m_digitFields[i].Send(EM_LIMITTEXT, kDigitFields[i] == Amount ? kAmountDigits : 4);
    }
    for (int page = 0; page < kToolPageCount; ++page)
        annotations.SetName(GetDlgItem(m_hWnd, IDC_TOOLS_PAGE_PERIOD + page),
                            kPageButtonNames[page]);
    for (const auto& [id, year] : kTodayButtons)
        annotations.SetName(GetDlgItem(m_hWnd, id), TodayButtonName(year));
    annotations.MarkAssertiveLiveRegion(GetDlgItem(m_hWnd, IDC_TOOLS_RESULT));
    for (const PageControls& page : kPageControls) {
        if (page.list != 0) annotations.MarkAssertiveLiveRegion(GetDlgItem(m_hWnd, page.list));
    }
    // The 기념일 list's columns (name, date, D-day), in dialog units.
    const int columns[] = {58, 196};
    SendDlgItemMessageW(m_hWnd, IDC_TOOLS_ANNIVERSARY_LIST, LB_SETTABSTOPS, std::size(columns),
                        reinterpret_cast<LPARAM>(columns));
    Open(m_mainFormDates);
    return false;  // the page logic has put the focus on the page's first field
}

void CDateToolsDlg::OnEditChange(int id) {
    if (FieldOf(id) == Amount)
        OnAmountChange();
    else
        OnYearChange(FieldOf(id));
}

void CDateToolsDlg::OnBoxEdit(int id) {
    OnBoxEditChange(FieldOf(id));
}

// The box's edit part shows the chosen item only once the notification has returned.
void CDateToolsDlg::OnListChoice() {
    PostMessageW(m_hWnd, kChoiceSettled, 0, 0);
}

void CDateToolsDlg::OnDropDown(int id) {
    OnDayListOpening(FieldOf(id));
}

void CDateToolsDlg::OnPasteInto(int id) {
    ApplyPaste(m_digitFields[DigitFieldIndex(FieldOf(id))],
               OnPaste(FieldOf(id), fw::GetClipboardText(m_hWnd)));
}

// An arrow key that moved the focus onto a page button clicks it: the page follows, the focus
// stays on the button.
void CDateToolsDlg::OnPageButton(int id) {
    const bool byArrowKey = GetKeyState(VK_LEFT) < 0 || GetKeyState(VK_RIGHT) < 0 ||
                            GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0;
    OnPageChosen(static_cast<ToolPage>(id - IDC_TOOLS_PAGE_PERIOD), byArrowKey);
}

void CDateToolsDlg::OnTodayButton(int id) {
    OnToday(std::ranges::find(kTodayButtons, id, &TodayButton::id)->year);
}

// A page's list answers the context-menu key for itself, as the result area cannot.
void CDateToolsDlg::OnContextMenu(HWND clicked, LPARAM where) {
    HWND area = ResultArea();
    std::optional<POINT> at = ResultMenuPoint(m_hWnd, area, clicked, where);
    if (!at && clicked == area && HasList(Page())) {
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

// The list as a calendar file where the user chooses; with no list (a message shown), a beep.
// A file that cannot be written is named with the system's reason.
void CDateToolsDlg::OnSaveAnniversaries() {
    std::optional<AnniversaryFile> file = AnniversaryFileToSave(*this);
    if (!file) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    for (AllDayEvent& event : file->events) event.summary = fw::Cp949ToUtf8(event.summary);
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const std::string bytes = ICalendarText(
        file->events, {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond});
    const std::wstring path = fw::AskSavePath(m_hWnd, fw::ToUtf16(file->fileName),
                                              fw::ToUtf16(kCalendarFileFilterName), L"ics");
    if (path.empty()) return;
    if (const DWORD error = fw::WriteFileWhole(path, bytes); error != ERROR_SUCCESS) {
        const std::wstring text = fw::ToUtf16(kCalendarFileNotSaved) + L"\r\n\r\n" + path +
                                  L"\r\n" + fw::ErrorText(error);
        MessageBoxW(m_hWnd, text.c_str(), fw::ToUtf16(fw::Window::GetText()).c_str(),
                    MB_OK | MB_ICONWARNING);
    }
}

void CDateToolsDlg::OnHelp() {
    OpenUserGuide(m_hWnd);
}

HWND CDateToolsDlg::Item(ToolField field) const {
    return GetDlgItem(m_hWnd, IdOf(field));
}

HWND CDateToolsDlg::ResultArea() const {
    const int list = ListOf(Page());
    return GetDlgItem(m_hWnd, list ? list : IDC_TOOLS_RESULT);
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

void CDateToolsDlg::SetChecked(ToolField field, bool checked) {
    CheckDlgButton(m_hWnd, IdOf(field), checked ? BST_CHECKED : BST_UNCHECKED);
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
            shown = !HasList(page);
        else if (!owner)
            continue;
        ShowWindow(child, shown ? SW_SHOW : SW_HIDE);
        EnableWindow(child, shown ? TRUE : FALSE);
    }
    CheckRadioButton(m_hWnd, IDC_TOOLS_PAGE_PERIOD, IDC_TOOLS_PAGE_HOLIDAYS,
                     IDC_TOOLS_PAGE_PERIOD + static_cast<int>(page));
}

// On a page with a list the result goes to the list, a line an item.
void CDateToolsDlg::SetResultText(const std::string& text) {
    if (!HasList(Page())) {
        SetItemText(IDC_TOOLS_RESULT, text);
        return;
    }
    HWND list = ResultArea();
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

// The line before it stays in view too: the last one passed, or the D-day line.
void CDateToolsDlg::SelectResultLine(int line) {
    HWND list = ResultArea();
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(line > 0 ? line - 1 : 0), 0);
}

void CDateToolsDlg::NameResultArea(const std::string& name) {
    m_annotations.SetName(ResultArea(), name);
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
    file.unreadable = !file.bytes && fw::IsExistingFile(path);
    return file;
}

std::string CDateToolsDlg::Cp949FromUtf8(std::string_view utf8) {
    return fw::Utf8ToCp949(utf8);
}
