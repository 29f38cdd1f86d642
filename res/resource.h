// Resource ids of Tessaro: dialog templates, controls, strings, menu commands and the icon.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TESSARO_DIALOG 102
#define IDD_DATETOOLS 103
#define IDR_MAINFRAME 128

// System-menu command of the About item; its low four bits are zero, as system commands need.
#define IDM_ABOUTBOX 0x0010
// System-menu command that opens the date tools.
#define IDM_DATETOOLS 0x0020

// Date form controls.
#define IDC_STATIC_START_LABEL 1001
#define IDC_STATIC_START_YEAR 1003
#define IDC_STATIC_START_MONTH 1005
#define IDC_STATIC_START_DAY 1007
#define IDC_STATIC_END_LABEL 1008
#define IDC_END_YEAR 1009
#define IDC_STATIC_END_YEAR 1010
#define IDC_STATIC_END_MONTH 1012
#define IDC_START_YEAR 1013
#define IDC_STATIC_END_DAY 1014
#define IDC_CALCULATE 1016
#define IDC_RESET 1018
#define IDC_START_MONTH 1020
#define IDC_END_MONTH 1021
#define IDC_END_DAY 1022
#define IDC_START_DAY 1023
#define IDC_RESULT 1027
#define IDC_TODAY 1028
#define IDC_FROM_TODAY 1029
#define IDC_UNTIL_TODAY 1030

// Date tools inputs, numbered in the order of the page logic's fields (ToolField).
#define IDC_TOOLS_START_YEAR 1100
#define IDC_TOOLS_START_MONTH 1101
#define IDC_TOOLS_START_DAY 1102
#define IDC_TOOLS_END_YEAR 1103
#define IDC_TOOLS_END_MONTH 1104
#define IDC_TOOLS_END_DAY 1105
#define IDC_TOOLS_PERIOD_INCLUDE 1106
#define IDC_TOOLS_BASE_YEAR 1107
#define IDC_TOOLS_BASE_MONTH 1108
#define IDC_TOOLS_BASE_DAY 1109
#define IDC_TOOLS_AMOUNT 1110
#define IDC_TOOLS_UNIT 1111
#define IDC_TOOLS_DIRECTION 1112
#define IDC_TOOLS_SHIFT_INCLUDE 1113
#define IDC_TOOLS_BIRTH_YEAR 1114
#define IDC_TOOLS_BIRTH_MONTH 1115
#define IDC_TOOLS_BIRTH_DAY 1116
#define IDC_TOOLS_REFERENCE_YEAR 1117
#define IDC_TOOLS_REFERENCE_MONTH 1118
#define IDC_TOOLS_REFERENCE_DAY 1119
#define IDC_TOOLS_SHIFT_TO_WORKING_DAY 1120
#define IDC_TOOLS_HOLIDAY_YEAR 1121
// Page switches and the result area.
#define IDC_TOOLS_PAGE_PERIOD 1130
#define IDC_TOOLS_PAGE_SHIFT 1131
#define IDC_TOOLS_PAGE_AGE 1132
#define IDC_TOOLS_PAGE_HOLIDAYS 1133
#define IDC_TOOLS_RESULT 1140
// The holiday page's list, which stands in for the result area on that page.
#define IDC_TOOLS_HOLIDAY_LIST 1141
#define IDC_TOOLS_RESULT_RULE 1142
// Labels and today buttons, in one range per page: 기간 1150-1159, 더하기/빼기 1160-1169,
// 만 나이 1170-1179, 공휴일 1180-1189.
#define IDC_TOOLS_PERIOD_LABEL_FIRST 1150
#define IDC_TOOLS_START_TODAY 1158
#define IDC_TOOLS_END_TODAY 1159
#define IDC_TOOLS_SHIFT_LABEL_FIRST 1160
#define IDC_TOOLS_BASE_TODAY 1165
#define IDC_TOOLS_AGE_LABEL_FIRST 1170
#define IDC_TOOLS_REFERENCE_TODAY 1178
#define IDC_TOOLS_HOLIDAY_LABEL_FIRST 1180
