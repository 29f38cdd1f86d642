// The worked examples of the Korean user guide must be what the program answers: each line
// "YYYY-MM-DD → YYYY-MM-DD : N일" or "… : "message"" is recomputed with CalcDateSpan, and the
// date tools' examples (a date moved by a period, a period broken down, an age) with the date
// arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "Cp949.h"
#include "calendar/Data_Day.h"
#include "calendar/DateMath.h"
#include "calendar/KoreanDateText.h"

namespace {

CivilDate DateAt(const std::smatch& m, int first) {
    return {std::stoi(m[first]), std::stoi(m[first + 1]), std::stoi(m[first + 2])};
}

// "3,652,058" as a number.
std::int64_t Number(std::string text) {
    std::erase(text, ',');
    return std::stoll(text);
}

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

// "기준일 2026-01-01, 100일 후, 시작일 포함 → 2026년 4월 10일 금요일"
TEST(UserGuide, DateToolExamplesMatchTheProgram) {
    const std::regex shift(R"(^ *기준일 (\d{4})-(\d{2})-(\d{2}), (\d+)(일|주|개월|년) (후|전))"
                           R"((, 시작일 포함)? → (.+?)\r?$)");
    // "2009-03-07 ~ 2009-12-25, 시작일 포함 : 0년 9개월 19일, 294일, 42주 0일"
    const std::regex period(
        R"(^ *(\d{4})-(\d{2})-(\d{2}) ~ (\d{4})-(\d{2})-(\d{2})(, 시작일 포함)? : )"
        R"((\d+)년 (\d+)개월 (\d+)일, ([\d,]+)일, (\d+)주 (\d+)일\r?$)");
    // "생일 2024-02-29, 기준일 2025-02-28 : 만 0세 (11개월), 다음 생일 … (1일 후)"
    const std::regex age(R"(^ *생일 (\d{4})-(\d{2})-(\d{2}), 기준일 (\d{4})-(\d{2})-(\d{2}) : )"
                         R"(만 (\d+)세(?: \((\d+)개월\))?, 다음 생일 (.+) \(([\d,]+)일 후\)\r?$)");
    const std::string units[] = {"일", "주", "개월", "년"};
    std::istringstream lines(ReadGuide());
    int shifts = 0;
    int periods = 0;
    int ages = 0;
    for (std::string line; std::getline(lines, line);) {
        SCOPED_TRACE(line);
        std::smatch m;
        if (std::regex_match(line, m, shift)) {
            const auto unit = static_cast<PeriodUnit>(std::find(units, units + 4, m[5]) - units);
            const Direction direction = m[6] == "후" ? Direction::After : Direction::Before;
            const auto result =
                ShiftDate(DateAt(m, 1), std::stoll(m[4]), unit, direction, m[7].matched);
            ASSERT_TRUE(result.has_value());
            EXPECT_EQ(KoreanDateWithWeekday(*result), Cp949(m[8].str()));
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
            EXPECT_EQ(KoreanDateWithWeekday(result->nextBirthday), Cp949(m[9].str()));
            EXPECT_EQ(result->daysUntilNextBirthday, Number(m[10]));
            ++ages;
        }
    }
    EXPECT_GE(shifts, 5) << "the guide's date-moving examples were not found in the expected form";
    EXPECT_GE(periods, 2) << "the guide's period examples were not found in the expected form";
    EXPECT_GE(ages, 3) << "the guide's age examples were not found in the expected form";
}

}  // namespace
