// The worked examples of the Korean user guide must be what the program answers: each line
// "YYYY-MM-DD → YYYY-MM-DD : N일" or "… : "message"" is recomputed with CalcDateSpan, the
// date tools' examples (a date moved by a period or by working days, a period broken down, an
// age, an anniversary) with the date arithmetic, and the holiday examples (weekdays and working
// days of a period, lines of a year's holiday list, the sample holiday file) with the holiday
// calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Cp949.h"
#include "calendar/Anniversaries.h"
#include "calendar/Data_Day.h"
#include "calendar/DateMath.h"
#include "calendar/Holidays.h"
#include "calendar/KoreanDateText.h"
#include "calendar/LegalDeadline.h"
#include "calendar/UserHolidayFile.h"
#include "calendar/WorkingDays.h"
#include "ui/tools/DateToolsResults.h"
#include "ui/tools/LunarResult.h"

namespace {

CivilDate DateAt(const std::smatch& m, int first) {
    return {std::stoi(m[first]), std::stoi(m[first + 1]), std::stoi(m[first + 2])};
}

// "3,652,058" as a number.
std::int64_t Number(std::string text) {
    std::erase(text, ',');
    return std::stoll(text);
}

// A line of the holiday list: the label, and the kind where the label does not say it.

std::string ReadGuide() {
    std::ifstream file(TESSARO_GUIDE_PATH, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(UserGuide, WorkedExamplesMatchTheProgram) {
    const std::string guide = ReadGuide();
    ASSERT_EQ(guide.substr(0, 3), "\xEF\xBB\xBF") << "the guide needs its byte-order mark";

    const std::regex example(R"(^ *(\d{4})-(\d{2})-(\d{2}) → (\d{4})-(\d{2})-(\d{2}) : )"
                             R"((?:(\d+)일|\"(.*)\")\r?$)");
    std::istringstream lines(guide);
    int checked = 0;
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, example)) continue;
        SCOPED_TRACE(line);
        const CalcOutcome outcome = CalcDateSpan(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]),
                                                 std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6]));
        if (m[7].matched) {
            EXPECT_TRUE(outcome.valid);
            EXPECT_EQ(outcome.days, std::stoi(m[7]));
        } else {
            EXPECT_FALSE(outcome.valid);
            EXPECT_EQ(outcome.text, Cp949(m[8].str()));
        }
        ++checked;
    }
    EXPECT_GE(checked, 9) << "the guide's examples were not found in the expected form";
}

// "기준일 2026-01-01, 100일 후, 시작일 포함 → 2026년 4월 10일 금요일"; the unit may be 근무일,
// and ", 토요일·공휴일이면 다음 날로" moves the date to the next working day.
TEST(UserGuide, DateToolExamplesMatchTheProgram) {
    const HolidayCalendar calendar;
    const std::regex shift(
        R"(^ *기준일 (\d{4})-(\d{2})-(\d{2}), (\d+)(일|주|개월|년|근무일) (후|전))"
        R"((, 시작일 포함)?(, 민법 기간 만료일)? → (.+?)\r?$)");
    // "2009-03-07 ~ 2009-12-25, 시작일 포함 : 0년 9개월 19일, 294일, 42주 0일"
    const std::regex period(
        R"(^ *(\d{4})-(\d{2})-(\d{2}) ~ (\d{4})-(\d{2})-(\d{2})(, 시작일 포함)? : )"
        R"((\d+)년 (\d+)개월 (\d+)일, ([\d,]+)일, (\d+)주 (\d+)일\r?$)");
    // "생일 2024-02-29, 기준일 2025-02-28 : 만 0세 (11개월), 다음 생일 … (1일 후)"
    const std::regex age(R"(^ *생일 (\d{4})-(\d{2})-(\d{2}), 기준일 (\d{4})-(\d{2})-(\d{2}) : )"
                         R"(만 (\d+)세(?: \((\d+)개월\))?, 다음 생일 (.+) \(([\d,]+)일 후\)\r?$)");
    // "기념일 2026-03-01, 시작일 포함, 음력으로 해마다 : 100일 → 2026년 6월 8일 월요일"
    const std::regex anniversary(
        R"(^ *기념일 (\d{4})-(\d{2})-(\d{2})(, 시작일 포함)?(, 음력으로 해마다)? : )"
        R"((.+?) → (.+?)\r?$)");
    const std::string units[] = {"일", "주", "개월", "년", "근무일"};
    std::istringstream lines(ReadGuide());
    int shifts = 0;
    int periods = 0;
    int ages = 0;
    int anniversaries = 0;
    for (std::string line; std::getline(lines, line);) {
        SCOPED_TRACE(line);
        std::smatch m;
        if (std::regex_match(line, m, shift)) {
            const auto unitIndex = std::find(units, units + 5, m[5]) - units;
            const Direction direction = m[6] == "후" ? Direction::After : Direction::Before;
            std::optional<CivilDate> result;
            if (unitIndex == 4) {
                const auto worked = ShiftWorkingDays(calendar, DateAt(m, 1), std::stoll(m[4]),
                                                     direction, m[7].matched);
                if (worked) result = worked->date;
            } else if (m[8].matched) {
                const auto deadline =
                    LegalDeadlineOf(calendar, DateAt(m, 1), std::stoll(m[4]),
                                    static_cast<PeriodUnit>(unitIndex), direction, m[7].matched);
                if (deadline) result = deadline->date;
            } else {
                result = ShiftDate(DateAt(m, 1), std::stoll(m[4]),
                                   static_cast<PeriodUnit>(unitIndex), direction, m[7].matched);
            }
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(MarkedDate(calendar, *result), Cp949(m[9].str()));
            ++shifts;
        } else if (std::regex_match(line, m, period)) {
            const bool includeStart = m[7].matched;
            const CivilDate from = DateAt(m, 1);
            const CivilDate to = DateAt(m, 4);
            const YearsMonthsDays parts = BreakDownPeriod(from, to, includeStart);
            const std::int64_t days = DayNumber(to) - DayNumber(from) + (includeStart ? 1 : 0);
            EXPECT_EQ(parts.years, std::stoi(m[8]));
            EXPECT_EQ(parts.months, std::stoi(m[9]));
            EXPECT_EQ(parts.days, std::stoi(m[10]));
            EXPECT_EQ(WithThousands(days), m[11]);
            EXPECT_EQ(days / 7, std::stoi(m[12]));
            EXPECT_EQ(days % 7, std::stoi(m[13]));
            ++periods;
        } else if (std::regex_match(line, m, age)) {
            const std::optional<Age> result = AgeOn(DateAt(m, 1), DateAt(m, 4));
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(result->years, std::stoi(m[7]));
            // The months are shown under one year only.
            EXPECT_EQ(m[8].matched, result->years == 0);
            if (m[8].matched) {
                EXPECT_EQ(result->monthsPastBirthday, std::stoi(m[8]));
            }
            EXPECT_EQ(MarkedDate(calendar, result->nextBirthday), Cp949(m[9].str()));
            EXPECT_EQ(result->daysUntilNextBirthday, Number(m[10]));
            ++ages;
        } else if (std::regex_match(line, m, anniversary)) {
            const std::vector<Anniversary> list =
                Anniversaries(DateAt(m, 1), m[4].matched, m[5].matched);
            const auto entry = std::find_if(list.begin(), list.end(), [&](const Anniversary& a) {
                return AnniversaryName(a) == Cp949(m[6].str());
            });
            ASSERT_NE(entry, list.end());
            EXPECT_EQ(MarkedDate(calendar, entry->date), Cp949(m[7].str()));
            ++anniversaries;
        }
    }
    EXPECT_GE(shifts, 10) << "the guide's date-moving examples were not found in the expected form";
    EXPECT_GE(periods, 2) << "the guide's period examples were not found in the expected form";
    EXPECT_GE(ages, 3) << "the guide's age examples were not found in the expected form";
    EXPECT_GE(anniversaries, 4)
        << "the guide's 기념일 examples were not found in the expected form";
}

// "2026-12-01 ~ 2026-12-31, 시작일 포함 : 31일, 평일 23일, 근무일 22일", the lines of a year's
// holiday list ("2026년 10월 5일 월요일 대체공휴일(개천절)"), and the sample 공휴일.txt (the
// indented lines after "공휴일.txt의 예:") read without a bad line.
TEST(UserGuide, HolidayExamplesMatchTheCalendar) {
    const HolidayCalendar calendar;
    const std::regex workPeriod(
        R"(^ *(\d{4})-(\d{2})-(\d{2}) ~ (\d{4})-(\d{2})-(\d{2})(, 시작일 포함)? : )"
        R"(([\d,]+)일, 평일 ([\d,]+)일, 근무일 ([\d,]+)일\r?$)");
    const std::regex listed(
        R"(^  (\d{4})년 (\d{1,2})월 (\d{1,2})일 (\S+) ([^ (]\S*)( \([^)]+\))?\r?$)");
    std::istringstream lines(ReadGuide());
    int periods = 0;
    int listLines = 0;
    std::string sampleFile;
    bool inSample = false;
    for (std::string line; std::getline(lines, line);) {
        SCOPED_TRACE(line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::smatch m;
        if (line == "공휴일.txt의 예:") {
            inSample = true;
        } else if (inSample) {
            // The sample is the indented lines up to the blank line after them.
            if (line.empty() && !sampleFile.empty()) {
                inSample = false;
            } else {
                sampleFile += line + "\n";
            }
        } else if (std::regex_match(line, m, workPeriod)) {
            const PeriodWorkCount count =
                CountWorkingDays(calendar, DateAt(m, 1), DateAt(m, 4), m[7].matched);
            EXPECT_EQ(WithThousands(count.days), m[8]);
            EXPECT_EQ(WithThousands(count.weekdays), m[9]);
            EXPECT_EQ(WithThousands(count.workingDays), m[10]);
            ++periods;
        } else if (std::regex_match(line, m, listed)) {
            const std::string list = HolidayListResult(calendar, std::stoi(m[1])).text + "\r\n";
            EXPECT_NE(list.find(Cp949(line.substr(2)) + "\r\n"), std::string::npos);
            ++listLines;
        }
    }
    const UserHolidayChanges sample = ParseUserHolidayFile(sampleFile);
    EXPECT_TRUE(sample.badLines.empty()) << sampleFile;
    EXPECT_FALSE(sample.additions.empty()) << "the guide's sample 공휴일.txt was not found";
    EXPECT_FALSE(sample.removals.empty()) << sampleFile;
    EXPECT_GE(periods, 2) << "the guide's working-day examples were not found in the expected form";
    EXPECT_GE(listLines, 6) << "the guide's holiday list was not found in the expected form";
}

// The 음력 page's answer for a solar date: "  양력 2026년 9월 25일 금요일 (추석) = 음력 ..." and
// the indented lines after it, as the page shows them.
TEST(UserGuide, LunarExampleMatchesThePage) {
    const HolidayCalendar calendar;
    const std::regex solarLine(R"(^  양력 (\d{4})년 (\d{1,2})월 (\d{1,2})일 .* = 음력 .*$)");
    std::istringstream lines(ReadGuide());
    std::vector<std::string> expected;
    int examples = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::smatch m;
        if (std::regex_match(line, m, solarLine)) {
            const DateReading solar{DateReading::Valid, DateAt(m, 1)};
            std::istringstream answer(LunarPageResult(calendar, solar, std::nullopt, 2026)->text);
            expected.clear();
            for (std::string shown; std::getline(answer, shown);) {
                if (shown.back() == '\r') shown.pop_back();
                expected.insert(expected.begin(), shown);
            }
            ++examples;
        }
        if (expected.empty()) continue;
        if (!line.starts_with("  ")) {
            EXPECT_TRUE(expected.empty()) << "the guide leaves out: " << expected.back();
            expected.clear();
            continue;
        }
        EXPECT_EQ(Cp949(line.substr(2)), expected.back());
        expected.pop_back();
    }
    EXPECT_GE(examples, 1) << "the guide's 음력 example was not found in the expected form";
}

}  // namespace
