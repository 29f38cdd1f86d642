// 기간: the period between two dates.
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {StartYear, EndYear};

std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> dates) {
    return PeriodResult(window.Calendar(), dates[0], dates[1],
                        window.IsChecked(PeriodIncludeStart));
}

}  // namespace

const ToolsPage kPeriodPage{kDates, StartYear, Result, nullptr};
