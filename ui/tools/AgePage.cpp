// 만 나이: an age on a reference date, with the 띠; a lunar birth date (음력 생일) counts from the
// solar date it stands for.
#include "ui/tools/LunarResult.h"
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {BirthYear, ReferenceYear};

std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> dates) {
    CivilDate birth = dates[0];
    std::string lunarLines;
    if (window.IsChecked(BirthIsLunar)) {
        const LunarDate lunar{birth.year, birth.month, birth.day, window.IsChecked(BirthLeapMonth)};
        const LunarConversion conversion = ConvertLunarDate(lunar);
        if (!conversion.solar) return ToolResult{conversion.message, std::nullopt};
        birth = *conversion.solar;
        lunarLines = LunarBirthdayLines(window.Calendar(), lunar, birth, dates[1].year);
    }
    ToolResult result = AgeResult(window.Calendar(), birth, dates[1]);
    if (!result.copy) return result;  // a message
    for (const std::string& line : {ZodiacLine(birth), lunarLines}) {
        if (!line.empty()) result.text += "\r\n" + line;
    }
    result.copy = result.text;
    return result;
}

}  // namespace

const ToolsPage kAgePage{kDates, BirthYear, Result, nullptr};
