#include "ui/form/TessaroDlg.h"

#include "framework/Accessibility.h"
#include "framework/Clipboard.h"
#include "framework/Menu.h"
#include "framework/Resources.h"
#include "ui/entry/EntryBinding.h"
#include "ui/form/AboutDlg.h"
#include "ui/tools/DateToolsDlg.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/form/FormTexts.h"
#include "ui/form/IconPosition.h"
#include "ui/form/ResultMenu.h"
#include "ui/UserGuide.h"

namespace {
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriod = 1000;  // milliseconds
constexpr FieldId kDateFields[] = {FieldId::StartYear, FieldId::StartMonth, FieldId::StartDay,
                                   FieldId::EndYear,   FieldId::EndMonth,   FieldId::EndDay};
}  // namespace

// clang-format off
const fw::Message<CTessaroDlg> CTessaroDlg::kMessages[] = {
    {WM_SYSCOMMAND,    0,              0,               &CTessaroDlg::OnSysCommand},
    {WM_PAINT,         0,              0,               &CTessaroDlg::OnPaint},
    {WM_QUERYDRAGICON, 0,              0,               &CTessaroDlg::OnQueryDragIcon},
    {WM_COMMAND,       BN_CLICKED,     IDC_CALCULATE,   &CTessaroDlg::OnCalculate},
    {WM_COMMAND,       EN_CHANGE,      IDC_START_YEAR,  &CTessaroDlg::OnChangeStartYear},
    {WM_COMMAND,       EN_CHANGE,      IDC_END_YEAR,    &CTessaroDlg::OnChangeEndYear},
    {WM_COMMAND,       BN_CLICKED,     IDC_RESET,       &CTessaroDlg::OnReset},
    {WM_COMMAND,       CBN_EDITCHANGE, IDC_START_MONTH, &CTessaroDlg::OnEditChangeStartMonth},
    {WM_COMMAND,       CBN_EDITCHANGE, IDC_END_MONTH,   &CTessaroDlg::OnEditChangeEndMonth},
    {WM_COMMAND,       CBN_EDITCHANGE, IDC_START_DAY,   &CTessaroDlg::OnEditChangeStartDay},
    {WM_COMMAND,       CBN_EDITCHANGE, IDC_END_DAY,     &CTessaroDlg::OnEditChangeEndDay},
    {WM_COMMAND,       CBN_DROPDOWN,   IDC_START_DAY,   &CTessaroDlg::OnDropDownStartDay},
    {WM_COMMAND,       CBN_DROPDOWN,   IDC_END_DAY,     &CTessaroDlg::OnDropDownEndDay},
    {WM_COMMAND,       CBN_DROPDOWN,   IDC_END_MONTH,   &CTessaroDlg::OnDropDownEndMonth},
    {WM_TIMER,         0,              0,               &CTessaroDlg::OnTimer},
    {WM_COMMAND,       BN_CLICKED,     IDC_FROM_TODAY,  &CTessaroDlg::OnFromToday},
    {WM_COMMAND,       BN_CLICKED,     IDC_UNTIL_TODAY, &CTessaroDlg::OnUntilToday},
    {WM_CONTEXTMENU,   0,              0,               &CTessaroDlg::OnContextMenu},
    {WM_HELP,          0,              0,               &CTessaroDlg::OnHelp},
    {WM_COMMAND,       fw::kEditPaste, IDC_START_YEAR,  &CTessaroDlg::OnPasteIntoYear},
    {WM_COMMAND,       fw::kEditPaste, IDC_END_YEAR,    &CTessaroDlg::OnPasteIntoYear},
};
// clang-format on

CTessaroDlg::CTessaroDlg(HWND parent, bool toolsAtStart)
    : fw::Dialog(IDD, parent),
      m_hIcon(fw::LoadIconResource(IDR_MAINFRAME)),
      m_toolsAtStart(toolsAtStart) {}

bool CTessaroDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return Route(kMessages, message, wParam, lParam, result) ||
           fw::Dialog::ProcessMessage(message, wParam, lParam, result);
}

void CTessaroDlg::DoDataExchange() {
    fw::Dialog::DoDataExchange();
    BindControl(IDC_START_YEAR, m_editStartYear);
    BindControl(IDC_END_YEAR, m_editEndYear);
    BindControl(IDC_START_MONTH, m_comboStartMonth);
    BindControl(IDC_START_DAY, m_comboStartDay);
    BindControl(IDC_END_MONTH, m_comboEndMonth);
    BindControl(IDC_END_DAY, m_comboEndDay);
}

bool CTessaroDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();

    if (const fw::Menu menu(GetSystemMenu(m_hWnd, FALSE)); menu) {
        const std::string about = fw::LoadResString(IDS_ABOUTBOX);
        menu.AppendSeparator();
        menu.AppendItem(IDM_DATETOOLS, kOpenDateToolsItem);
        if (!about.empty()) {
            menu.AppendSeparator();
            menu.AppendItem(IDM_ABOUTBOX, about);
        }
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    SetTimer(kClockTimer, kClockPeriod);
    FillInitialLists();
    fw::Annotations annotations;
    // Otherwise a screen reader would call a field after the label before it ("년", "월").
    for (FieldId field : kDateFields)
        annotations.SetName(Field(field).m_hWnd, AccessibleName(field));
    annotations.MarkAssertiveLiveRegion(GetDlgItem(m_hWnd, IDC_RESULT));
    for (FieldId field : kDateFields) {
        fw::Edit* year = field == FieldId::StartYear ? &m_editStartYear
                         : field == FieldId::EndYear ? &m_editEndYear
                                                     : nullptr;
        BindDateField(Field(field).m_hWnd, year);
    }
    // The date tools by keyboard, shown beside their window-menu item; or at once, when asked.
    m_toolsShortcut.Watch(m_hWnd, 'D', IDM_DATETOOLS);
    if (m_toolsAtStart) PostMessageW(m_hWnd, WM_SYSCOMMAND, IDM_DATETOOLS, 0);
    return true;
}

void CTessaroDlg::OnOK() {
    if (ShowMessageBox(kExitQuestion, kExitCaption, MB_YESNO) == IDYES) fw::Dialog::OnOK();
}

void CTessaroDlg::OnSysCommand(UINT id, LPARAM /*lParam*/) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else if ((id & 0xFFF0) == IDM_DATETOOLS) {
        OpenDateTools();
    } else {
        Default();
    }
}

void CTessaroDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    fw::PaintDC dc(m_hWnd);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const RECT client = GetClientRect();
    const IconOrigin origin =
        CentredIconOrigin(client.right - client.left, client.bottom - client.top,
                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(dc.m_hDC, origin.x, origin.y, m_hIcon);
}

HICON CTessaroDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CTessaroDlg::OnTimer(UINT_PTR id) {
    if (id == kClockTimer) OnClockTick();
    Default();
}

void CTessaroDlg::OnContextMenu(HWND clicked, LPARAM where) {
    switch (ShowResultMenu(m_hWnd, clicked, where)) {
        case ResultMenuOutcome::NotForTheMenu:
            Default();
            break;
        case ResultMenuOutcome::DateToolsChosen:
            OpenDateTools();
            break;
        case ResultMenuOutcome::Done:
            break;
    }
}

void CTessaroDlg::OpenDateTools() {
    CDateToolsDlg tools(m_hWnd, DatesForTools());
    tools.DoModal();
}

void CTessaroDlg::OnHelp() {
    OpenUserGuide(m_hWnd);
}

void CTessaroDlg::OnPasteIntoYear(int id) {
    const FieldId year = id == IDC_START_YEAR ? FieldId::StartYear : FieldId::EndYear;
    ApplyPaste(id == IDC_START_YEAR ? m_editStartYear : m_editEndYear,
               DateFormHandlers::OnPasteIntoYear(year, fw::GetClipboardText(m_hWnd)));
}

CivilDate CTessaroDlg::ReadToday() {
    GetLocalTime(&m_localTime);
    return {m_localTime.wYear, m_localTime.wMonth, m_localTime.wDay};
}

void CTessaroDlg::AnnounceResult() {
    fw::AnnounceLiveRegionChange(GetDlgItem(m_hWnd, IDC_RESULT));
}

fw::Window& CTessaroDlg::Field(FieldId field) {
    switch (field) {
        case FieldId::StartYear:
            return m_editStartYear;
        case FieldId::EndYear:
            return m_editEndYear;
        default:
            return *ListBox(field);
    }
}

fw::ComboBox* CTessaroDlg::ListBox(FieldId field) {
    switch (field) {
        case FieldId::StartMonth:
            return &m_comboStartMonth;
        case FieldId::StartDay:
            return &m_comboStartDay;
        case FieldId::EndMonth:
            return &m_comboEndMonth;
        case FieldId::EndDay:
            return &m_comboEndDay;
        default:
            return nullptr;
    }
}

std::string CTessaroDlg::GetFieldText(FieldId field) {
    return Field(field).GetText();
}

void CTessaroDlg::SetFieldInt(FieldId field, int value) {
    Field(field).SetText(std::to_string(value));
}

void CTessaroDlg::SetFieldText(FieldId field, const std::string& text) {
    Field(field).SetText(text);
}

void CTessaroDlg::SetLineText(int lineId, const std::string& text) {
    SetItemText(lineId, text);
}

void CTessaroDlg::ClearList(FieldId field) {
    if (fw::ComboBox* box = ListBox(field)) box->ResetContent();
}

void CTessaroDlg::AddListItem(FieldId field, const std::string& text) {
    if (fw::ComboBox* box = ListBox(field)) box->AddString(text);
}

void CTessaroDlg::FocusField(FieldId field) {
    GotoControl(Field(field).m_hWnd);
}
