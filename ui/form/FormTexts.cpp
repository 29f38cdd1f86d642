#include "ui/form/FormTexts.h"

// "시작 날짜와 종료 날짜를 입력하시고, 계산하기 버튼을 클릭하십시오."
const char kInstructionLine[] =
    "\xBD\xC3\xC0\xDB \xB3\xAF\xC2\xA5\xBF\xCD \xC1\xBE\xB7\xE1 \xB3\xAF\xC2\xA5\xB8\xA6 "
    "\xC0\xD4\xB7\xC2\xC7\xCF\xBD\xC3\xB0\xED, \xB0\xE8\xBB\xEA\xC7\xCF\xB1\xE2 "
    "\xB9\xF6\xC6\xB0\xC0\xBB \xC5\xAC\xB8\xAF\xC7\xCF\xBD\xCA\xBD\xC3\xBF\xC0.";

// "날짜 계산 프로그램을 종료 하시겠습니까?"
const char kExitQuestion[] =
    "\xB3\xAF\xC2\xA5 \xB0\xE8\xBB\xEA \xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5\xC0\xBB \xC1\xBE\xB7\xE1 "
    "\xC7\xCF\xBD\xC3\xB0\xDA\xBD\xC0\xB4\xCF\xB1\xEE?";

// "프로그램 종료"
const char kExitCaption[] = "\xC7\xC1\xB7\xCE\xB1\xD7\xB7\xA5 \xC1\xBE\xB7\xE1";

// "%4d년 %2d월 %2d일": year, month and day of the today line, blank-padded.
const char kTodayLineFormat[] = "%4d\xB3\xE2 %2d\xBF\xF9 %2d\xC0\xCF";

// "결과 복사(&C)"
const char kCopyResultItem[] = "\xB0\xE1\xB0\xFA \xBA\xB9\xBB\xE7(&C)";

const char* AccessibleName(FieldId field) {
    switch (field) {
        case FieldId::StartYear:
            // "시작 년도"
            return "\xBD\xC3\xC0\xDB \xB3\xE2\xB5\xB5";
        case FieldId::StartMonth:
            // "시작 월"
            return "\xBD\xC3\xC0\xDB \xBF\xF9";
        case FieldId::StartDay:
            // "시작 일"
            return "\xBD\xC3\xC0\xDB \xC0\xCF";
        case FieldId::EndYear:
            // "종료 년도"
            return "\xC1\xBE\xB7\xE1 \xB3\xE2\xB5\xB5";
        case FieldId::EndMonth:
            // "종료 월"
            return "\xC1\xBE\xB7\xE1 \xBF\xF9";
        case FieldId::EndDay:
            // "종료 일"
            return "\xC1\xBE\xB7\xE1 \xC0\xCF";
    }
    return "";
}
