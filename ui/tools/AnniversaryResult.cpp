#include "ui/tools/AnniversaryResult.h"

#include "calendar/Anniversaries.h"
#include "calendar/KoreanDateText.h"
#include "calendar/KoreanLunarCalendar.h"
#include "ui/entry/FieldNumber.h"

// "달력 파일 (*.ics)"
const char kCalendarFileFilterName[] = "\xB4\xDE\xB7\xC2 \xC6\xC4\xC0\xCF (*.ics)";
// "달력 파일을 저장하지 못했습니다."
const char kCalendarFileNotSaved[] =
    "\xB4\xDE\xB7\xC2 \xC6\xC4\xC0\xCF\xC0\xBB \xC0\xFA\xC0\xE5\xC7\xCF\xC1\xF6 "
    "\xB8\xF8\xC7\xDF\xBD\xC0\xB4\xCF\xB4\xD9.";

namespace {

// "음력으로 해마다는 양력 1900년 1월 31일부터 2050년 12월 31일까지의 기준일에만 쓸 수 있습니다."
constexpr char kLunarOutOfRange[] =
    "\xC0\xBD\xB7\xC2\xC0\xB8\xB7\xCE \xC7\xD8\xB8\xB6\xB4\xD9\xB4\xC2 \xBE\xE7\xB7\xC2 "
    "1900\xB3\xE2 1\xBF\xF9 31\xC0\xCF\xBA\xCE\xC5\xCD 2050\xB3\xE2 12\xBF\xF9 "
    "31\xC0\xCF\xB1\xEE\xC1\xF6\xC0\xC7 \xB1\xE2\xC1\xD8\xC0\xCF\xBF\xA1\xB8\xB8 \xBE\xB5 "
    "\xBC\xF6 \xC0\xD6\xBD\xC0\xB4\xCF\xB4\xD9.";
// Between the name, the date and the D-day: the list aligns the columns at its tab stops, and
// a spreadsheet takes the copy as three columns.
constexpr char kColumnGap[] = "\t";

bool OutsideLunarTable(const AnniversaryInputs& inputs) {
    return inputs.lunarYearly && !ToLunar(inputs.base);
}

// Today counted from the base: the day of the period (the base is day 1) and the D+ count as
// 시작일 포함 says; for a base ahead, the count-down and the base's date.
std::string DdayLine(const HolidayCalendar& calendar, const AnniversaryInputs& inputs,
                     CivilDate today) {
    const std::string dday = DdayText(DayCountFromBase(inputs.base, today, inputs.includeStart));
    if (today < inputs.base) return dday + " (" + MarkedDate(calendar, inputs.base) + ")";
    return TodayCountText(DayCountFromBase(inputs.base, today, true)) + " (" + dday + ")";
}

}  // namespace

ToolResult AnniversaryResult(const HolidayCalendar& calendar, const AnniversaryInputs& inputs,
                             CivilDate today) {
    if (OutsideLunarTable(inputs)) return {kLunarOutOfRange, std::nullopt};
    const std::vector<Anniversary> list =
        Anniversaries(inputs.base, inputs.includeStart, inputs.lunarYearly);
    std::string text = DdayLine(calendar, inputs, today);
    for (const Anniversary& entry : list) {
        text += "\r\n" + AnniversaryName(entry) + kColumnGap + MarkedDate(calendar, entry.date) +
                kColumnGap + DdayText(DayCountFromBase(entry.date, today, false));
    }
    ToolResult result{text, text};
    // The D-day line comes first.
    if (const std::optional<std::size_t> next = NextAnniversary(list, today))
        result.selectedLine = static_cast<int>(*next) + 1;
    return result;
}

std::optional<AnniversaryFile> AnniversaryFileOf(const AnniversaryInputs& inputs) {
    if (OutsideLunarTable(inputs)) return std::nullopt;
    AnniversaryFile file{AnniversaryFileName(inputs.base), {}};
    for (const Anniversary& entry :
         Anniversaries(inputs.base, inputs.includeStart, inputs.lunarYearly)) {
        file.events.push_back({entry.date, AnniversaryUid(inputs.base, entry),
                               AnniversarySummary(inputs.base, entry)});
    }
    if (file.events.empty()) return std::nullopt;
    return file;
}

std::optional<AnniversaryFile> AnniversaryFileToSave(DateToolsForm& window) {
    using enum ToolField;
    const CivilDate base{ParseFieldInt(window.GetText(AnniversaryYear)),
                         ParseFieldInt(window.GetText(AnniversaryMonth)),
                         ParseFieldInt(window.GetText(AnniversaryDay))};
    if (!IsValidDate(base)) return std::nullopt;
    return AnniversaryFileOf({base, window.IsChecked(AnniversaryIncludeStart),
                              window.IsChecked(AnniversaryLunarYearly)});
}
