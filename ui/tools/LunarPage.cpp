// 음력: a solar date in the lunar calendar, and a lunar date in the solar one with its dates in
// the coming years. Either date alone gives its part of the answer, so the page reads its dates
// itself.
#include "ui/tools/LunarResult.h"
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> /*dates*/) {
    const DateReading lunar = window.ReadDate(LunarYear);
    std::optional<LunarDate> lunarDate;
    if (lunar.state == DateReading::Valid) {
        lunarDate = LunarDate{lunar.date.year, lunar.date.month, lunar.date.day,
                              window.IsChecked(LunarLeapMonth)};
    }
    return LunarPageResult(window.Calendar(), window.ReadDate(SolarYear), lunarDate,
                           window.ReadToday().year);
}

}  // namespace

const ToolsPage kLunarPage{{}, SolarYear, Result, nullptr};
