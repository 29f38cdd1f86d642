// 공휴일: a year's holidays, in a list named by what it shows.
#include "ui/entry/FieldNumber.h"
#include "ui/tools/DateToolsTexts.h"
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> /*dates*/) {
    const std::string year = window.GetText(HolidayYear);
    if (!IsDigitText(year)) return std::nullopt;
    return HolidayListResult(window.Calendar(), ParseFieldInt(year));
}

// "2026년 공휴일 17개", and the user file's report if it has one.
std::string AreaName(DateToolsHandlers& window) {
    const int year = ParseFieldInt(window.GetText(HolidayYear));
    const int count =
        year >= 1 ? static_cast<int>(window.Calendar().HolidaysOfYear(year).size()) : 0;
    std::string name =
        std::to_string(year) + kHolidayCountStart + std::to_string(count) + kHolidayCountEnd;
    if (!window.FileReport().empty()) name += " " + window.FileReport();
    return name;
}

}  // namespace

const ToolsPage kHolidaysPage{{}, HolidayYear, Result, AreaName};
