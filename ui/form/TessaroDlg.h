// The date form: the program's main window, built from its dialog template. It carries out
// the DateForm operations on the real controls and routes each notification to its handler;
// the handlers themselves are those of DateFormHandlers.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Shortcut.h"
#include "res/resource.h"
#include "ui/form/DateFormHandlers.h"

class CTessaroDlg : public fw::Dialog, public DateFormHandlers {
public:
    enum { IDD = IDD_TESSARO_DIALOG };

    // toolsAtStart: the date tools open over the form as soon as it shows ("Tessaro.exe /tools").
    explicit CTessaroDlg(HWND parent = nullptr, bool toolsAtStart = false);

    std::string GetFieldText(FieldId field) override;
    void SetFieldInt(FieldId field, int value) override;
    void SetFieldText(FieldId field, const std::string& text) override;
    void SetLineText(int lineId, const std::string& text) override;
    void ClearList(FieldId field) override;
    void AddListItem(FieldId field, const std::string& text) override;
    void FocusField(FieldId field) override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    CivilDate ReadToday() override;
    void AnnounceResult() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HICON OnQueryDragIcon();
    void OnTimer(UINT_PTR id);
    void OnContextMenu(HWND clicked, LPARAM where);
    void OnHelp();
    void OnPasteIntoYear(int id);
    void OpenDateTools();

private:
    static const fw::Message<CTessaroDlg> kMessages[];

    fw::Window& Field(FieldId field);
    // The month or day box; nullptr for a year field, which has no list.
    fw::ComboBox* ListBox(FieldId field);

    SYSTEMTIME m_localTime{};
    fw::Edit m_editStartYear;
    fw::Edit m_editEndYear;
    fw::ComboBox m_comboStartMonth;
    fw::ComboBox m_comboStartDay;
    fw::ComboBox m_comboEndMonth;
    fw::ComboBox m_comboEndDay;
    HICON m_hIcon;
    bool m_toolsAtStart;
    fw::DialogShortcut m_toolsShortcut;  // Ctrl+D
};
