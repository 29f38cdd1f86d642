#include "calendar/KoreanDateText.h"

#include <string_view>

#include "calendar/IntegerFormat.h"

namespace {

// "년", "월", "일"
constexpr char kYear[] = "\xB3\xE2";
constexpr char kMonth[] = "\xBF\xF9";
constexpr char kDay[] = "\xC0\xCF";

// "일요일" .. "토요일", indexed by Weekday.
constexpr const char* kWeekdayNames[] = {
    "\xC0\xCF\xBF\xE4\xC0\xCF",  // 일요일
    "\xBF\xF9\xBF\xE4\xC0\xCF",  // 월요일
    "\xC8\xAD\xBF\xE4\xC0\xCF",  // 화요일
    "\xBC\xF6\xBF\xE4\xC0\xCF",  // 수요일
    "\xB8\xF1\xBF\xE4\xC0\xCF",  // 목요일
    "\xB1\xDD\xBF\xE4\xC0\xCF",  // 금요일
    "\xC5\xE4\xBF\xE4\xC0\xCF",  // 토요일
};

// "일은 없는 날짜입니다."
constexpr char kDoesNotExist[] =
    "\xC0\xCF\xC0\xBA \xBE\xF8\xB4\xC2 \xB3\xAF\xC2\xA5\xC0\xD4\xB4\xCF\xB4\xD9.";

// "2009년 3월 7"; the caller appends the day's suffix.
std::string YearMonthDay(int year, int month, int day) {
    return std::to_string(year) + kYear + " " + std::to_string(month) + kMonth + " " +
           std::to_string(day);
}

// "음력 ", "윤"
constexpr char kLunar[] = "\xC0\xBD\xB7\xC2 ";
constexpr char kLeap[] = "\xC0\xB1";

}  // namespace

std::string KoreanDateWithWeekday(CivilDate date) {
    return YearMonthDay(date.year, date.month, date.day) + kDay + " " + WeekdayName(date);
}

std::string WeekdayName(CivilDate date) {
    return kWeekdayNames[Weekday(date)];
}

std::string KoreanLunarDate(LunarDate date, bool withYear) {
    std::string text = kLunar;
    if (withYear) text += std::to_string(date.year) + kYear + " ";
    if (date.leap) text += kLeap;
    return text + std::to_string(date.month) + kMonth + " " + std::to_string(date.day) + kDay;
}

std::string WithThousands(std::int64_t value) {
    const std::string signAndDigits = FormatIntegers("%d", {value});
    const std::string_view digits = std::string_view(signAndDigits).substr(value < 0 ? 1 : 0);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

std::string NonexistentDateText(int year, int month, int day) {
    return YearMonthDay(year, month, day) + kDoesNotExist;
}

std::string IsoDate(CivilDate date) {
    return FormatIntegers("%04d-%02d-%02d", {date.year, date.month, date.day});
}
