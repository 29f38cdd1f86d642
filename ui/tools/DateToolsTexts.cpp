#include "ui/tools/DateToolsTexts.h"

const char* PageHint(ToolPage page) {
    switch (page) {
        case ToolPage::Period:
            // "두 날짜를 입력하면 결과가 바로 나옵니다."
            return "\xB5\xCE \xB3\xAF\xC2\xA5\xB8\xA6 \xC0\xD4\xB7\xC2\xC7\xCF\xB8\xE9 "
                   "\xB0\xE1\xB0\xFA\xB0\xA1 \xB9\xD9\xB7\xCE \xB3\xAA\xBF\xC9\xB4\xCF\xB4\xD9.";
        case ToolPage::Shift:
            // "날짜와 기간을 입력하면 결과가 바로 나옵니다."
            return "\xB3\xAF\xC2\xA5\xBF\xCD \xB1\xE2\xB0\xA3\xC0\xBB \xC0\xD4\xB7\xC2\xC7\xCF"
                   "\xB8\xE9 \xB0\xE1\xB0\xFA\xB0\xA1 \xB9\xD9\xB7\xCE \xB3\xAA\xBF\xC9\xB4\xCF"
                   "\xB4\xD9.";
        case ToolPage::Age:
            // "생년월일과 기준일을 입력하면 결과가 바로 나옵니다."
            return "\xBB\xFD\xB3\xE2\xBF\xF9\xC0\xCF\xB0\xFA \xB1\xE2\xC1\xD8\xC0\xCF\xC0\xBB "
                   "\xC0\xD4\xB7\xC2\xC7\xCF\xB8\xE9 \xB0\xE1\xB0\xFA\xB0\xA1 \xB9\xD9\xB7\xCE "
                   "\xB3\xAA\xBF\xC9\xB4\xCF\xB4\xD9.";
        case ToolPage::Lunar:
            // "양력이나 음력 날짜를 입력하면 결과가 바로 나옵니다."
            return "\xBE\xE7\xB7\xC2\xC0\xCC\xB3\xAA \xC0\xBD\xB7\xC2 \xB3\xAF\xC2\xA5\xB8\xA6 "
                   "\xC0\xD4\xB7\xC2\xC7\xCF\xB8\xE9 \xB0\xE1\xB0\xFA\xB0\xA1 \xB9\xD9\xB7\xCE "
                   "\xB3\xAA\xBF\xC9\xB4\xCF\xB4\xD9.";
        case ToolPage::Anniversaries:
            // "기준일을 입력하면 기념일이 나옵니다."
            return "\xB1\xE2\xC1\xD8\xC0\xCF\xC0\xBB \xC0\xD4\xB7\xC2\xC7\xCF\xB8\xE9 "
                   "\xB1\xE2\xB3\xE4\xC0\xCF\xC0\xCC \xB3\xAA\xBF\xC9\xB4\xCF\xB4\xD9.";
        case ToolPage::Holidays:
            // "연도를 입력하면 그해의 공휴일이 나옵니다."
            return "\xBF\xAC\xB5\xB5\xB8\xA6 \xC0\xD4\xB7\xC2\xC7\xCF\xB8\xE9 \xB1\xD7\xC7\xD8"
                   "\xC0\xC7 \xB0\xF8\xC8\xDE\xC0\xCF\xC0\xCC \xB3\xAA\xBF\xC9\xB4\xCF\xB4\xD9.";
    }
    return "";
}

// "일", "주", "개월", "년", "근무일"
const char kDayUnit[] = "\xC0\xCF";
const char kWeekUnit[] = "\xC1\xD6";
const char kMonthsUnit[] = "\xB0\xB3\xBF\xF9";
const char kYearUnit[] = "\xB3\xE2";
const char kWorkingDayUnit[] = "\xB1\xD9\xB9\xAB\xC0\xCF";
const char* const kUnitItems[] = {kDayUnit,  kWeekUnit,       kMonthsUnit,
                                  kYearUnit, kWorkingDayUnit, nullptr};
// "후", "전"
const char* const kDirectionItems[] = {"\xC8\xC4", "\xC0\xFC", nullptr};

// "시작일 포함"
const char kIncludeStartNote[] = "\xBD\xC3\xC0\xDB\xC0\xCF \xC6\xF7\xC7\xD4";
// "종료일이 시작일보다 앞섭니다"
const char kEndBeforeStartNote[] =
    "\xC1\xBE\xB7\xE1\xC0\xCF\xC0\xCC \xBD\xC3\xC0\xDB\xC0\xCF\xBA\xB8\xB4\xD9 "
    "\xBE\xD5\xBC\xB7\xB4\xCF\xB4\xD9";
const char kNoteSeparator[] = ", ";
// "시작일: ", "종료일: "
const char kStartDateLabel[] = "\xBD\xC3\xC0\xDB\xC0\xCF: ";
const char kEndDateLabel[] = "\xC1\xBE\xB7\xE1\xC0\xCF: ";
// "기준일부터 "
const char kFromBaseDate[] = "\xB1\xE2\xC1\xD8\xC0\xCF\xBA\xCE\xC5\xCD ";
// "기준일과 같은 날"
const char kSameAsBaseDate[] = "\xB1\xE2\xC1\xD8\xC0\xCF\xB0\xFA \xB0\xB0\xC0\xBA \xB3\xAF";
// "계산한 날짜가 1년 1월 1일부터 9999년 12월 31일까지의 범위를 벗어납니다."
const char kOutOfRangeMessage[] =
    "\xB0\xE8\xBB\xEA\xC7\xD1 \xB3\xAF\xC2\xA5\xB0\xA1 1\xB3\xE2 1\xBF\xF9 1\xC0\xCF\xBA\xCE"
    "\xC5\xCD 9999\xB3\xE2 12\xBF\xF9 31\xC0\xCF\xB1\xEE\xC1\xF6\xC0\xC7 \xB9\xFC\xC0\xA7\xB8\xA6 "
    "\xB9\xFE\xBE\xEE\xB3\xB3\xB4\xCF\xB4\xD9.";
// "기준일이 생년월일보다 앞섭니다."
const char kReferenceBeforeBirthMessage[] =
    "\xB1\xE2\xC1\xD8\xC0\xCF\xC0\xCC \xBB\xFD\xB3\xE2\xBF\xF9\xC0\xCF\xBA\xB8\xB4\xD9 "
    "\xBE\xD5\xBC\xB7\xB4\xCF\xB4\xD9.";
// "만 ", "세", "개월)"
const char kFullAgePrefix[] = "\xB8\xB8 ";
const char kYearsOfAge[] = "\xBC\xBC";
const char kMonthsOfAgeEnd[] = "\xB0\xB3\xBF\xF9)";
// "연 나이: ", "세는 나이: ", "세가 되는 날: ", " 남음)"
const char kCalendarAgeLabel[] = "\xBF\xAC \xB3\xAA\xC0\xCC: ";
const char kCountingAgeLabel[] = "\xBC\xBC\xB4\xC2 \xB3\xAA\xC0\xCC: ";
const char kBecomesAgeLabel[] = "\xBC\xBC\xB0\xA1 \xB5\xC7\xB4\xC2 \xB3\xAF: ";
const char kDaysLeftEnd[] = " \xB3\xB2\xC0\xBD)";

// "평일 ", "근무일 "
const char kWeekdaysLabel[] = "\xC6\xF2\xC0\xCF ";
const char kWorkingDaysLabel[] = "\xB1\xD9\xB9\xAB\xC0\xCF ";
// "1990~2050년 밖의 해는 공휴일 자료가 없어 토요일과 일요일만 뺐습니다."
const char kCoverageNote[] =
    "1990~2050\xB3\xE2 \xB9\xDB\xC0\xC7 \xC7\xD8\xB4\xC2 \xB0\xF8\xC8\xDE\xC0\xCF \xC0\xDA\xB7\xE1"
    "\xB0\xA1 \xBE\xF8\xBE\xEE \xC5\xE4\xBF\xE4\xC0\xCF\xB0\xFA \xC0\xCF\xBF\xE4\xC0\xCF\xB8\xB8 "
    "\xBB\xB0\xBD\xC0\xB4\xCF\xB4\xD9.";
// "기간 중 공휴일:"
const char kHolidaysMetLabel[] = "\xB1\xE2\xB0\xA3 \xC1\xDF \xB0\xF8\xC8\xDE\xC0\xCF:";
// "토요일·공휴일이라 다음 근무일로 옮겼습니다 (민법 제161조): "
const char kMovedToWorkingDay[] =
    "\xC5\xE4\xBF\xE4\xC0\xCF\xA1\xA4\xB0\xF8\xC8\xDE\xC0\xCF\xC0\xCC\xB6\xF3 \xB4\xD9\xC0\xBD "
    "\xB1\xD9\xB9\xAB\xC0\xCF\xB7\xCE \xBF\xC5\xB0\xE5\xBD\xC0\xB4\xCF\xB4\xD9 (\xB9\xCE\xB9\xFD "
    "\xC1\xA6"
    "161\xC1\xB6): ";
// "이날은 토요일·공휴일입니다. 거꾸로 센 기간은 늦추지 않으므로 그 전 근무일까지: "
const char kCountedBackToDayOff[] =
    "\xC0\xCC\xB3\xAF\xC0\xBA \xC5\xE4\xBF\xE4\xC0\xCF\xA1\xA4\xB0\xF8\xC8\xDE\xC0\xCF"
    "\xC0\xD4\xB4\xCF\xB4\xD9. \xB0\xC5\xB2\xD9\xB7\xCE \xBC\xBE \xB1\xE2\xB0\xA3\xC0\xBA "
    "\xB4\xCA\xC3\xDF\xC1\xF6 \xBE\xCA\xC0\xB8\xB9\xC7\xB7\xCE \xB1\xD7 \xC0\xFC "
    "\xB1\xD9\xB9\xAB\xC0\xCF\xB1\xEE\xC1\xF6: ";
// "년의 공휴일 자료가 없습니다 (1990~2050년만 있습니다)."
const char kNoHolidayDataEnd[] =
    "\xB3\xE2\xC0\xC7 \xB0\xF8\xC8\xDE\xC0\xCF \xC0\xDA\xB7\xE1\xB0\xA1 \xBE\xF8\xBD\xC0\xB4\xCF"
    "\xB4\xD9 (1990~2050\xB3\xE2\xB8\xB8 \xC0\xD6\xBD\xC0\xB4\xCF\xB4\xD9).";
// "공휴일.txt ", "번째 줄을 읽지 못했습니다"
const char kBadLineStart[] = "\xB0\xF8\xC8\xDE\xC0\xCF.txt ";
const char kBadLineEnd[] =
    "\xB9\xF8\xC2\xB0 \xC1\xD9\xC0\xBB \xC0\xD0\xC1\xF6 \xB8\xF8\xC7\xDF\xBD\xC0\xB4\xCF\xB4\xD9";
// "공휴일.txt의 다른 ", "줄도 읽지 못했습니다"
const char kMoreBadLinesStart[] = "\xB0\xF8\xC8\xDE\xC0\xCF.txt\xC0\xC7 \xB4\xD9\xB8\xA5 ";
const char kMoreBadLinesEnd[] =
    "\xC1\xD9\xB5\xB5 \xC0\xD0\xC1\xF6 \xB8\xF8\xC7\xDF\xBD\xC0\xB4\xCF\xB4\xD9";
// "공휴일.txt 파일을 읽지 못했습니다"
const char kUnreadableUserFile[] =
    "\xB0\xF8\xC8\xDE\xC0\xCF.txt \xC6\xC4\xC0\xCF\xC0\xBB \xC0\xD0\xC1\xF6 "
    "\xB8\xF8\xC7\xDF\xBD\xC0\xB4\xCF\xB4\xD9";

// "결과 복사(&C)"
const char kCopyToolResultItem[] = "\xB0\xE1\xB0\xFA \xBA\xB9\xBB\xE7(&C)";
// "날짜 계산 도구(&D)...<Tab>Ctrl+D": the shortcut shown as Windows shows accelerators
const char kOpenDateToolsItem[] =
    "\xB3\xAF\xC2\xA5 \xB0\xE8\xBB\xEA \xB5\xB5\xB1\xB8(&D)...\tCtrl+D";

const char* ToolFieldName(ToolField field) {
    switch (field) {
        case ToolField::StartYear:
            return "\xBD\xC3\xC0\xDB \xB3\xE2\xB5\xB5";  // "시작 년도"
        case ToolField::StartMonth:
            return "\xBD\xC3\xC0\xDB \xBF\xF9";  // "시작 월"
        case ToolField::StartDay:
            return "\xBD\xC3\xC0\xDB \xC0\xCF";  // "시작 일"
        case ToolField::EndYear:
            return "\xC1\xBE\xB7\xE1 \xB3\xE2\xB5\xB5";  // "종료 년도"
        case ToolField::EndMonth:
            return "\xC1\xBE\xB7\xE1 \xBF\xF9";  // "종료 월"
        case ToolField::EndDay:
            return "\xC1\xBE\xB7\xE1 \xC0\xCF";  // "종료 일"
        case ToolField::BaseYear:
        case ToolField::AnniversaryYear:
            return "\xB1\xE2\xC1\xD8 \xB3\xE2\xB5\xB5";  // "기준 년도"
        case ToolField::BaseMonth:
        case ToolField::AnniversaryMonth:
            return "\xB1\xE2\xC1\xD8 \xBF\xF9";  // "기준 월"
        case ToolField::BaseDay:
        case ToolField::AnniversaryDay:
            return "\xB1\xE2\xC1\xD8 \xC0\xCF";  // "기준 일"
        case ToolField::Amount:
            return "\xB4\xF5\xC7\xD2 \xB1\xE2\xB0\xA3";  // "더할 기간"
        case ToolField::Unit:
            return "\xB1\xE2\xB0\xA3 \xB4\xDC\xC0\xA7";  // "기간 단위"
        case ToolField::ShiftDirection:
            return "\xB4\xF5\xC7\xCF\xB1\xE2 \xB6\xC7\xB4\xC2 \xBB\xA9\xB1\xE2";  // "더하기 또는
                                                                                  // 빼기"
        case ToolField::BirthYear:
            return "\xC3\xE2\xBB\xFD \xB3\xE2\xB5\xB5";  // "출생 년도"
        case ToolField::BirthMonth:
            return "\xC3\xE2\xBB\xFD \xBF\xF9";  // "출생 월"
        case ToolField::BirthDay:
            return "\xC3\xE2\xBB\xFD \xC0\xCF";  // "출생 일"
        case ToolField::ReferenceYear:
            return "\xB3\xAA\xC0\xCC \xB1\xE2\xC1\xD8 \xB3\xE2\xB5\xB5";  // "나이 기준 년도"
        case ToolField::ReferenceMonth:
            return "\xB3\xAA\xC0\xCC \xB1\xE2\xC1\xD8 \xBF\xF9";  // "나이 기준 월"
        case ToolField::ReferenceDay:
            return "\xB3\xAA\xC0\xCC \xB1\xE2\xC1\xD8 \xC0\xCF";  // "나이 기준 일"
        case ToolField::HolidayYear:
            return "\xB0\xF8\xC8\xDE\xC0\xCF \xB3\xE2\xB5\xB5";  // "공휴일 년도"
        case ToolField::SolarYear:
            return "\xBE\xE7\xB7\xC2 \xB3\xE2\xB5\xB5";  // "양력 년도"
        case ToolField::SolarMonth:
            return "\xBE\xE7\xB7\xC2 \xBF\xF9";  // "양력 월"
        case ToolField::SolarDay:
            return "\xBE\xE7\xB7\xC2 \xC0\xCF";  // "양력 일"
        case ToolField::LunarYear:
            return "\xC0\xBD\xB7\xC2 \xB3\xE2\xB5\xB5";  // "음력 년도"
        case ToolField::LunarMonth:
            return "\xC0\xBD\xB7\xC2 \xBF\xF9";  // "음력 월"
        case ToolField::LunarDay:
            return "\xC0\xBD\xB7\xC2 \xC0\xCF";  // "음력 일"
        case ToolField::PeriodIncludeStart:
        case ToolField::ShiftIncludeStart:
        case ToolField::ShiftToWorkingDay:
        case ToolField::LunarLeapMonth:
        case ToolField::BirthIsLunar:
        case ToolField::BirthLeapMonth:
        case ToolField::AnniversaryIncludeStart:
        case ToolField::AnniversaryLunarYearly:
            return nullptr;
    }
    return nullptr;
}

// "년 공휴일 ", "개": the holiday list's name, "2026년 공휴일 17개".
const char kHolidayCountStart[] = "\xB3\xE2 \xB0\xF8\xC8\xDE\xC0\xCF ";
const char kHolidayCountEnd[] = "\xB0\xB3";

// The page buttons' names, with their place among the six: "기간 1/6" .. "공휴일 6/6".
const char* const kPageButtonNames[] = {
    "\xB1\xE2\xB0\xA3 1/6",          "\xB4\xF5\xC7\xCF\xB1\xE2/\xBB\xA9\xB1\xE2 2/6",
    "\xB8\xB8 \xB3\xAA\xC0\xCC 3/6", "\xC0\xBD\xB7\xC2 4/6",
    "\xB1\xE2\xB3\xE4\xC0\xCF 5/6",  "\xB0\xF8\xC8\xDE\xC0\xCF 6/6",
};

// "시작일을 오늘로", "종료일을 오늘로", "기준일을 오늘로": the today buttons' names, by the
// date they set.
const char* TodayButtonName(ToolField year) {
    switch (year) {
        case ToolField::StartYear:
            return "\xBD\xC3\xC0\xDB\xC0\xCF\xC0\xBB \xBF\xC0\xB4\xC3\xB7\xCE";
        case ToolField::EndYear:
            return "\xC1\xBE\xB7\xE1\xC0\xCF\xC0\xBB \xBF\xC0\xB4\xC3\xB7\xCE";
        case ToolField::SolarYear:  // "양력 날짜를 오늘로"
            return "\xBE\xE7\xB7\xC2 \xB3\xAF\xC2\xA5\xB8\xA6 \xBF\xC0\xB4\xC3\xB7\xCE";
        default:
            return "\xB1\xE2\xC1\xD8\xC0\xCF\xC0\xBB \xBF\xC0\xB4\xC3\xB7\xCE";
    }
}
