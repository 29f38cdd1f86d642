// Election days of the terms that end after the release, by 공직선거법 제34조 as it stands:
//   ① 1. 대통령선거: 그 임기만료일전 70일 이후 첫번째 수요일
//      2. 국회의원선거: 그 임기만료일전 50일 이후 첫번째 수요일
//      3. 지방의회의원 및 지방자치단체의 장의 선거: 그 임기만료일전 30일 이후 첫번째 수요일
//   ② 제1항에 따른 선거일이 국민생활과 밀접한 관련이 있는 민속절 또는 공휴일인 때와 선거일전일이나
//      그 다음날이 공휴일인 때에는 그 다음주의 수요일로 한다.
// The decree (관공서의 공휴일에 관한 규정 제2조 제10호) makes each of them a 공휴일. Terms in
// force: 국회 from 2024-05-30 (4 years), 지방 from 2026-07-01 (4 years), 대통령 from 2025-06-04 (5
// years; 공직선거법 제14조: each next term begins the day after the last one ends).
#include <algorithm>

#include "calendar/HolidayRules.h"

namespace {

struct TermSeries {
    CivilDate firstTermEnd;  // the last day of the first term that ends after the release
    int termYears;
    int daysBefore;            // 제34조 ①: the count back from the term's last day
    const char* const* names;  // one a term, "제23대 국회의원선거", ...
    int terms;                 // the terms that end by 2050
};

constexpr const char* kAssemblyNames[] = {
    "\xC1\xA6"
    "23\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5",  // 제23대 국회의원선거
    "\xC1\xA6"
    "24\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5",  // 제24대 국회의원선거
    "\xC1\xA6"
    "25\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5",  // 제25대 국회의원선거
    "\xC1\xA6"
    "26\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5",  // 제26대 국회의원선거
    "\xC1\xA6"
    "27\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5",  // 제27대 국회의원선거
    "\xC1\xA6"
    "28\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5",  // 제28대 국회의원선거
};
constexpr const char* kPresidentNames[] = {
    "\xC1\xA6"
    "22\xB4\xEB \xB4\xEB\xC5\xEB\xB7\xC9\xBC\xB1\xB0\xC5",  // 제22대 대통령선거
    "\xC1\xA6"
    "23\xB4\xEB \xB4\xEB\xC5\xEB\xB7\xC9\xBC\xB1\xB0\xC5",  // 제23대 대통령선거
    "\xC1\xA6"
    "24\xB4\xEB \xB4\xEB\xC5\xEB\xB7\xC9\xBC\xB1\xB0\xC5",  // 제24대 대통령선거
    "\xC1\xA6"
    "25\xB4\xEB \xB4\xEB\xC5\xEB\xB7\xC9\xBC\xB1\xB0\xC5",  // 제25대 대통령선거
    "\xC1\xA6"
    "26\xB4\xEB \xB4\xEB\xC5\xEB\xB7\xC9\xBC\xB1\xB0\xC5",  // 제26대 대통령선거
};
constexpr const char* kLocalNames[] = {
    "\xC1\xA6"
    "10\xC8\xB8 \xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5",  // 제10회
                                                                                    // 전국동시지방선거
    "\xC1\xA6"
    "11\xC8\xB8 \xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5",  // 제11회
                                                                                    // 전국동시지방선거
    "\xC1\xA6"
    "12\xC8\xB8 \xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5",  // 제12회
                                                                                    // 전국동시지방선거
    "\xC1\xA6"
    "13\xC8\xB8 \xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5",  // 제13회
                                                                                    // 전국동시지방선거
    "\xC1\xA6"
    "14\xC8\xB8 \xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5",  // 제14회
                                                                                    // 전국동시지방선거
    "\xC1\xA6"
    "15\xC8\xB8 \xC0\xFC\xB1\xB9\xB5\xBF\xBD\xC3\xC1\xF6\xB9\xE6\xBC\xB1\xB0\xC5",  // 제15회
                                                                                    // 전국동시지방선거
};

constexpr TermSeries kSeries[] = {
    {{2028, 5, 29}, 4, 50, kAssemblyNames, 6},
    {{2030, 6, 3}, 5, 70, kPresidentNames, 5},
    {{2030, 6, 30}, 4, 30, kLocalNames, 6},
};

constexpr int kWednesday = 3;
constexpr int kDaysPerWeek = 7;

CivilDate AddDays(CivilDate date, int days) {
    return *DateOfDayNumber(DayNumber(date) + days);
}

// A 공휴일 other than an election day on that date (Sundays never meet a Wednesday's check).
bool IsHolidayOn(const std::vector<Holiday>& holidays, CivilDate date) {
    return std::any_of(holidays.begin(), holidays.end(), [date](const Holiday& holiday) {
        return holiday.date == date && holiday.kind != HolidayKind::Election;
    });
}

}  // namespace

CivilDate ElectionDayByLaw(CivilDate termEnd, int daysBefore,
                           const std::vector<Holiday>& holidays) {
    CivilDate day = AddDays(termEnd, -daysBefore);
    day = AddDays(day, (kWednesday - Weekday(day) + kDaysPerWeek) % kDaysPerWeek);
    if (IsHolidayOn(holidays, day) || IsHolidayOn(holidays, AddDays(day, -1)) ||
        IsHolidayOn(holidays, AddDays(day, 1))) {
        day = AddDays(day, kDaysPerWeek);
    }
    return day;
}

void AddScheduledElections(int year, std::vector<Holiday>& holidays) {
    for (const TermSeries& series : kSeries) {
        const int yearsOn = year - series.firstTermEnd.year;
        const int term = yearsOn / series.termYears;
        if (yearsOn < 0 || yearsOn % series.termYears != 0 || term >= series.terms) continue;
        const CivilDate termEnd{year, series.firstTermEnd.month, series.firstTermEnd.day};
        Holiday election{ElectionDayByLaw(termEnd, series.daysBefore, holidays), series.names[term],
                         nullptr, HolidayKind::Election, true};
        const auto at =
            std::upper_bound(holidays.begin(), holidays.end(), election,
                             [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
        holidays.insert(at, election);
    }
}
