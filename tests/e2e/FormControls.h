// Control ids and texts of the date form as the user meets them, written down independently of
// the program's own headers and sources.
#pragma once

enum FormControl {
    kExit = 1,
    kStartYear = 1013,
    kStartMonth = 1020,
    kStartDay = 1023,
    kEndYear = 1009,
    kEndMonth = 1021,
    kEndDay = 1022,
    kCalculate = 1016,
    kReset = 1018,
    kResult = 1027,
    kToday = 1028,
    kFromToday = 1029,
    kUntilToday = 1030,
};

// The six date fields in their tab order.
constexpr FormControl kDateFields[] = {kStartYear, kStartMonth, kStartDay,
                                       kEndYear,   kEndMonth,   kEndDay};

inline constexpr wchar_t kInstructionLine[] =
    L"시작 날짜와 종료 날짜를 입력하시고, 계산하기 버튼을 클릭하십시오.";
inline constexpr wchar_t kYearRangeMessage[] = L"년도의 범위가 벗어났습니다. 다시 입력해 주세요.";
