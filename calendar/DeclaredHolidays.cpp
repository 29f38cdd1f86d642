// Election days and holidays the government declared, 1990 to the release. Until 2017-10-16 an
// election day was a holiday only when the government declared it one (관공서의 공휴일에 관한
// 규정 제2조 "기타 정부에서 수시 지정하는 날", announced in the 관보); since 대통령령 제28394호
// (2017-10-17) the decree itself names the days of the elections 공직선거법 제34조 fixes, and an
// early presidential election is declared as before. The day each entry stands on is the one the
// 관보 announcement or the 중앙선거관리위원회's election calendar gives.
#include "calendar/HolidayRules.h"

namespace {

// "국회의원선거"
constexpr char kAssembly[] = "\xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5";
// "대통령선거"
constexpr char kPresident[] = "\xB4\xEB\xC5\xEB\xB7\xC9\xBC\xB1\xB0\xC5";
// "전국동시지방선거"
constexpr char kLocal[] = "\xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5";
// "구·시·군의회의원선거"
constexpr char kLowerCouncils[] =
    "\xB1\xB8\xA1\xA4\xBD\xC3\xA1\xA4\xB1\xBA\xC0\xC7\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5";
// "시·도의회의원선거"
constexpr char kUpperCouncils[] =
    "\xBD\xC3\xA1\xA4\xB5\xB5\xC0\xC7\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5";

constexpr Holiday Election(int year, int month, int day, const char* name) {
    return {{year, month, day}, name, nullptr, HolidayKind::Election};
}

constexpr Holiday Declared(int year, int month, int day) {
    return {{year, month, day}, kDeclaredKindName, nullptr, HolidayKind::Declared};
}

constexpr Holiday kDays[] = {
    Election(1991, 3, 26, kLowerCouncils),  // 기초의회 의원선거 (declared)
    Election(1991, 6, 20, kUpperCouncils),  // 광역의회 의원선거 (declared)
    Election(1992, 3, 24, kAssembly),       // 제14대
    Election(1992, 12, 18, kPresident),     // 제14대
    Election(1995, 6, 27, kLocal),          // 제1회
    Election(1996, 4, 11, kAssembly),       // 제15대
    Election(1997, 12, 18, kPresident),     // 제15대
    Election(1998, 6, 4, kLocal),           // 제2회
    Election(2000, 4, 13, kAssembly),       // 제16대
    Declared(2002, 7, 1),                   // 월드컵 4강 기념
    Election(2002, 6, 13, kLocal),          // 제3회
    Election(2002, 12, 19, kPresident),     // 제16대
    Election(2004, 4, 15, kAssembly),       // 제17대
    Election(2006, 5, 31, kLocal),          // 제4회
    Election(2007, 12, 19, kPresident),     // 제17대
    Election(2008, 4, 9, kAssembly),        // 제18대
    Election(2010, 6, 2, kLocal),           // 제5회
    Election(2012, 4, 11, kAssembly),       // 제19대
    Election(2012, 12, 19, kPresident),     // 제18대
    Election(2014, 6, 4, kLocal),           // 제6회
    Declared(2015, 8, 14),                  // 광복 70주년, 국무회의 2015-08-04
    Election(2016, 4, 13, kAssembly),       // 제20대
    Declared(2016, 5, 6),                   // 국무회의 2016-04-26
    Election(2017, 5, 9, kPresident),       // 제19대, early election (declared)
    Declared(2017, 10, 2),                  // 국무회의 2017-09-05
    Election(2018, 6, 13, kLocal),          // 제7회
    Election(2020, 4, 15, kAssembly),       // 제21대
    Declared(2020, 8, 17),                  // 국무회의 2020-07-21
    Election(2022, 3, 9, kPresident),       // 제20대
    Election(2022, 6, 1, kLocal),           // 제8회
    Declared(2023, 10, 2),                  // 국무회의 2023-09-05
    Election(2024, 4, 10, kAssembly),       // 제22대
    Declared(2024, 10, 1),                  // 국군의 날, 국무회의 2024-09-03
    Declared(2025, 1, 27),                  // 국무회의 2025-01-14
    Election(2025, 6, 3, kPresident),       // 제21대, early election (declared)
    Election(2026, 6, 3, kLocal),           // 제9회
};

}  // namespace

std::span<const Holiday> DeclaredHolidays() {
    return kDays;
}
