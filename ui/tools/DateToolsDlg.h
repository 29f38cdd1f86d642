// The date tools window: a modal dialog over the date form with six pages (기간,
// 더하기/빼기, 만 나이, 음력, 기념일, 공휴일). It carries out the DateToolsForm operations on the
// real controls and routes each notification to the page logic of DateToolsHandlers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/Accessibility.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "ui/tools/DateToolsHandlers.h"

class CDateToolsDlg : public fw::Dialog, public DateToolsHandlers {
public:
    enum { IDD = IDD_DATETOOLS };

    // mainFormDates: the date form's two dates when its six fields hold two that exist.
    CDateToolsDlg(HWND owner, const std::optional<DatePair>& mainFormDates);

    std::string GetText(ToolField field) override;
    void SetText(ToolField field, const std::string& text) override;
    void ClearList(ToolField field) override;
    void AddListItem(ToolField field, const std::string& text) override;
    int GetSelection(ToolField field) override;
    void SetSelection(ToolField field, int index) override;
    bool IsChecked(ToolField field) override;
    void SetChecked(ToolField field, bool checked) override;
    void FocusField(ToolField field) override;
    void ShowPage(ToolPage page) override;
    void SetResultText(const std::string& text) override;
    void SelectResultLine(int line) override;
    void AnnounceResult() override;
    CivilDate ReadToday() override;
    UserFile ReadUserHolidayFile() override;
    std::string Cp949FromUtf8(std::string_view utf8) override;

protected:
    bool OnInitDialog() override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void NameResultArea(const std::string& name) override;

    // The handlers of kMessages; an id is a control's of the range its entry routes.
    void OnPageButton(int id);
    void OnTodayButton(int id);
    void OnEnter() {}
    void OnEditChange(int id);
    void OnBoxEdit(int id);
    void OnListChoice();
    void OnDropDown(int id);
    void OnPasteInto(int id);
    void OnContextMenu(HWND clicked, LPARAM where);
    void OnHelp();
    void OnSaveAnniversaries();

private:
    static const fw::Message<CDateToolsDlg> kMessages[];

    HWND Item(ToolField field) const;
    // The page's result area: its list on a page that answers with one.
    HWND ResultArea() const;

    std::optional<DatePair> m_mainFormDates;
    fw::Edit m_digitFields[10];  // the year fields and the amount, for their pastes
    fw::Annotations m_annotations;
};
