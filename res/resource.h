// Resource ids of Tessaro: dialog templates, controls, strings, menu commands and the icon.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TESSARO_DIALOG 102
#define IDR_MAINFRAME 128

// System-menu command of the About item; its low four bits are zero, as system commands need.
#define IDM_ABOUTBOX 0x0010

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
