#include "ui/tools/LunarResult.h"

#include <string_view>
#include <utility>
#include <vector>

#include "calendar/KoreanDateText.h"

namespace {

// "양력 2026년 9월 25일 금요일 (추석) = 음력 2026년 8월 15일"
constexpr char kSolarPrefix[] = "\xBE\xE7\xB7\xC2 ";  // "양력 "
constexpr char kEquals[] = " = ";
constexpr char kYear[] = "\xB3\xE2";   // "년"
constexpr char kMonth[] = "\xBF\xF9";  // "월"
// "2026년에는 윤3월이 없습니다."
constexpr char kInYearEnd[] = "\xB3\xE2\xBF\xA1\xB4\xC2 ";                    // "년에는 "
constexpr char kMissingEnd[] = "\xC0\xCC \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.";  // "이 없습니다."
// "음력 2026년 2월은 29일까지입니다."
constexpr char kLastDayStart[] = "\xC0\xBA ";  // "은 "
constexpr char kLastDayEnd[] =
    "\xC0\xCF\xB1\xEE\xC1\xF6\xC0\xD4\xB4\xCF\xB4\xD9.";  // "일까지입니다."
constexpr char kLeap[] = "\xC0\xB1";                      // "윤"
constexpr char kLunarPrefix[] = "\xC0\xBD\xB7\xC2 ";      // "음력 "
// "음력은 양력 1900년 1월 31일부터 2050년 12월 31일까지(음력 1900년 1월 1일부터 2050년 11월
// 18일까지) 계산할 수 있습니다."
constexpr char kRangeMessage[] =
    "\xC0\xBD\xB7\xC2\xC0\xBA \xBE\xE7\xB7\xC2 1900\xB3\xE2 1\xBF\xF9 31\xC0\xCF\xBA\xCE\xC5\xCD "
    "2050\xB3\xE2 12\xBF\xF9 31\xC0\xCF\xB1\xEE\xC1\xF6(\xC0\xBD\xB7\xC2 1900\xB3\xE2 1\xBF\xF9 "
    "1\xC0\xCF\xBA\xCE\xC5\xCD "
    "2050\xB3\xE2 11\xBF\xF9 18\xC0\xCF\xB1\xEE\xC1\xF6) \xB0\xE8\xBB\xEA\xC7\xD2 \xBC\xF6 "
    "\xC0\xD6\xBD\xC0\xB4\xCF\xB4\xD9.";
// "년, ", "띠 · 일진 ", "일": "병오년, 말띠 · 일진 정사일"
constexpr char kYearCycleEnd[] = "\xB3\xE2, ";
constexpr char kAnimalEnd[] = "\xB6\xEC";
constexpr char kDayCyclePrefix[] = " \xA1\xA4 \xC0\xCF\xC1\xF8 ";
constexpr char kDayCycleEnd[] = "\xC0\xCF";
// "주차", " · ": "2026년 50주차 (2026-W50) · 12월 2주차"
constexpr char kWeekEnd[] = "\xC1\xD6\xC2\xF7";
constexpr char kSeparator[] = " \xA1\xA4 ";
// "년의 ", "번째 날": "2026년의 343번째 날"
constexpr char kDayOfYearStart[] = "\xB3\xE2\xC0\xC7 ";
constexpr char kDayOfYearEnd[] = "\xB9\xF8\xC2\xB0 \xB3\xAF";
// "해마다 ", "(", "년부터 10년)": "해마다 음력 3월 7일 (2026년부터 10년)"
constexpr char kYearlyPrefix[] = "\xC7\xD8\xB8\xB6\xB4\xD9 ";
constexpr char kYearlyFromEnd[] = "\xB3\xE2\xBA\xCE\xC5\xCD 10\xB3\xE2)";
// "띠: ", "년)": "띠: 말띠 (경오년)"
constexpr char kZodiacLabel[] = "\xB6\xEC: ";
// "양력 생일: ", "년 음력 생일: "
constexpr char kSolarBirthLabel[] = "\xBE\xE7\xB7\xC2 \xBB\xFD\xC0\xCF: ";
constexpr char kLunarBirthdayLabel[] = "\xB3\xE2 \xC0\xBD\xB7\xC2 \xBB\xFD\xC0\xCF: ";

constexpr int kYearsListed = 10;

// The page's lines, each as shown and as copied (where the copy takes ISO dates).
class Lines {
public:
    void Add(std::string shown, std::string copied) {
        shown_.push_back(std::move(shown));
        copied_.push_back(std::move(copied));
    }
    void Add(const std::string& both) { Add(both, both); }
    // A solar date with its weekday and holiday mark, "2026-04-23 목요일" in the copy.
    void AddDate(const HolidayCalendar& calendar, std::string_view before, CivilDate date,
                 std::string_view after = {}) {
        const std::string mark = HolidayMark(calendar, date);
        Add(std::string(before) + KoreanDateWithWeekday(date) + mark + std::string(after),
            std::string(before) + IsoDate(date) + " " + WeekdayName(date) + mark +
                std::string(after));
    }
    bool Empty() const { return shown_.empty(); }
    ToolResult Result() const { return {Joined(shown_), Joined(copied_)}; }

private:
    static std::string Joined(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
        return text;
    }
    std::vector<std::string> shown_;
    std::vector<std::string> copied_;
};

// "2026-W50".
std::string IsoWeekText(IsoWeek week) {
    return std::to_string(week.year) + (week.week < 10 ? "-W0" : "-W") + std::to_string(week.week);
}

std::string MonthName(int month, bool leap) {
    return (leap ? kLeap : "") + std::to_string(month) + kMonth;
}

void AddSolarDay(Lines& lines, const HolidayCalendar& calendar, CivilDate solar) {
    const std::optional<LunarDate> lunar = ToLunar(solar);
    lines.AddDate(calendar, kSolarPrefix, solar,
                  lunar ? kEquals + KoreanLunarDate(*lunar) : std::string());
    if (!lunar) {
        lines.Add(kRangeMessage);
    } else {
        lines.Add(CycleName(YearCycle(lunar->year)) + kYearCycleEnd + ZodiacAnimal(lunar->year) +
                  kAnimalEnd + kDayCyclePrefix + CycleName(DayCycle(solar)) + kDayCycleEnd);
    }
    const IsoWeek iso = IsoWeekOf(solar);
    const MonthWeek inMonth = MonthWeekOf(solar);
    std::string weeks = std::to_string(iso.year) + kYear + " " + std::to_string(iso.week) +
                        kWeekEnd + " (" + IsoWeekText(iso) + ")" + kSeparator;
    if (inMonth.year != solar.year) weeks += std::to_string(inMonth.year) + kYear + " ";
    lines.Add(weeks + std::to_string(inMonth.month) + kMonth + " " + std::to_string(inMonth.week) +
              kWeekEnd);
    lines.Add(std::to_string(solar.year) + kDayOfYearStart + std::to_string(DayOfYear(solar)) +
              kDayOfYearEnd);
}

void AddLunarDay(Lines& lines, const HolidayCalendar& calendar, LunarDate lunar, int firstYear) {
    const LunarConversion conversion = ConvertLunarDate(lunar);
    if (!conversion.solar) {
        lines.Add(conversion.message);
        return;
    }
    lines.AddDate(calendar, KoreanLunarDate(lunar) + kEquals + kSolarPrefix, *conversion.solar);
    lines.Add(kYearlyPrefix + KoreanLunarDate(lunar, false) + " (" + std::to_string(firstYear) +
              kYearlyFromEnd);
    for (int year = firstYear; year < firstYear + kYearsListed; ++year) {
        const std::optional<CivilDate> solar = LunarAnniversary(lunar, year);
        if (!solar) continue;
        const std::optional<LunarDate> kept = ToLunar(*solar);
        const bool moved = kept && (kept->month != lunar.month || kept->day != lunar.day ||
                                    kept->leap != lunar.leap);
        lines.AddDate(calendar, "", *solar,
                      moved ? " (" + KoreanLunarDate(*kept, false) + ")" : std::string());
    }
}

}  // namespace

LunarConversion ConvertLunarDate(LunarDate lunar) {
    const SolarOfLunar solar = ToSolar(lunar);
    switch (solar.error) {
        case LunarDateError::None:
            return {solar.solar, {}};
        case LunarDateError::NoSuchDay:
            if (const std::optional<int> days =
                    LunarMonthLength(lunar.year, lunar.month, lunar.leap)) {
                return {std::nullopt, kLunarPrefix + std::to_string(lunar.year) + kYear + " " +
                                          MonthName(lunar.month, lunar.leap) + kLastDayStart +
                                          std::to_string(*days) + kLastDayEnd};
            }
            break;
        case LunarDateError::NoSuchLeapMonth:
            return {std::nullopt, std::to_string(lunar.year) + kInYearEnd +
                                      MonthName(lunar.month, true) + kMissingEnd};
        case LunarDateError::OutOfRange:
            break;
    }
    return {std::nullopt, kRangeMessage};
}

std::optional<ToolResult> LunarPageResult(const HolidayCalendar& calendar, const DateReading& solar,
                                          const std::optional<LunarDate>& lunar, int firstYear) {
    Lines lines;
    if (solar.state == DateReading::Valid) {
        AddSolarDay(lines, calendar, solar.date);
    } else if (solar.state == DateReading::Nonexistent) {
        lines.Add(NonexistentDateText(solar.date.year, solar.date.month, solar.date.day));
    }
    if (lunar) {
        if (!lines.Empty()) lines.Add("");
        AddLunarDay(lines, calendar, *lunar, firstYear);
    }
    if (lines.Empty()) return std::nullopt;
    return lines.Result();
}

std::string ZodiacLine(CivilDate solarBirth) {
    const std::optional<LunarDate> lunar = ToLunar(solarBirth);
    if (!lunar) return {};
    return kZodiacLabel + ZodiacAnimal(lunar->year) + kAnimalEnd + " (" +
           CycleName(YearCycle(lunar->year)) + kYear + ")";
}

std::string LunarBirthdayLines(const HolidayCalendar& calendar, LunarDate birth,
                               CivilDate solarBirth, int year) {
    std::string text = kSolarBirthLabel + KoreanDateWithWeekday(solarBirth);
    if (const std::optional<CivilDate> birthday = LunarAnniversary(birth, year))
        text +=
            "\r\n" + std::to_string(year) + kLunarBirthdayLabel + MarkedDate(calendar, *birthday);
    return text;
}
