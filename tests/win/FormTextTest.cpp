// Korean texts on the real form. Also run under a non-Korean system code page: the program
// converts with code page 949 itself, so Hangul must show the same there.
#include <gtest/gtest.h>

#include <string>

#include "../unit/Cp949.h"
#include "OpenForm.h"

namespace {

TEST(FormText, OpensWithTheTodayPlaceholderAndTheInstructions) {
    WithOpenForm([](TestForm& form) {
        EXPECT_EQ(WideText(GetDlgItem(form.m_hWnd, IDC_TODAY)), L"****년 **월 **일");
        EXPECT_EQ(WideText(GetDlgItem(form.m_hWnd, IDC_RESULT)),
                  L"시작 날짜와 종료 날짜를 입력하시고, 계산하기 버튼을 클릭하십시오.");
    });
}

TEST(FormText, HangulShowsAsWrittenAndReadsBackAsCp949) {
    WithOpenForm([](TestForm& form) {
        const std::string syllable = Cp949(u8"가");
        ASSERT_EQ(syllable.size(), 2U);
        for (FieldId field : {FieldId::StartMonth, FieldId::EndDay, FieldId::StartYear}) {
            form.SetFieldText(field, syllable);
            EXPECT_EQ(form.GetFieldText(field), syllable);
        }
        EXPECT_EQ(WideText(GetDlgItem(form.m_hWnd, IDC_START_MONTH)), L"가");

        form.SetLineText(IDC_RESULT, Cp949(u8"두 날짜 사이의 총 일수는 1일입니다."));
        EXPECT_EQ(WideText(GetDlgItem(form.m_hWnd, IDC_RESULT)),
                  L"두 날짜 사이의 총 일수는 1일입니다.");
    });
}

TEST(FormText, SystemMenuEndsWithTheDateToolsASeparatorAndTheAboutItem) {
    WithOpenForm([](TestForm& form) {
        HMENU menu = GetSystemMenu(form.m_hWnd, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        EXPECT_EQ(GetMenuItemID(menu, count - 3), static_cast<UINT>(IDM_DATETOOLS));
        EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        wchar_t text[64] = {};
        GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, L"Tessaro 정보(&A)...");
        GetMenuStringW(menu, count - 3, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, L"날짜 계산 도구(&D)...\tCtrl+D");  // the shortcut, as Windows shows one
    });
}

}  // namespace
