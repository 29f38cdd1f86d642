// 기념일: the anniversaries of a base date.
#include "ui/tools/AnniversaryResult.h"
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {AnniversaryYear};

std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> dates) {
    return AnniversaryResult(window.Calendar(),
                             {dates[0], window.IsChecked(AnniversaryIncludeStart),
                              window.IsChecked(AnniversaryLunarYearly)},
                             window.ReadToday());
}

}  // namespace

const ToolsPage kAnniversariesPage{kDates, AnniversaryYear, Result, nullptr};
