// 음력: a solar date in the lunar calendar and a lunar date in the solar one.
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {SolarYear};

std::optional<ToolResult> Result(DateToolsHandlers& /*window*/,
                                 std::span<const CivilDate> /*dates*/) {
    return std::nullopt;
}

}  // namespace

const ToolsPage kLunarPage{kDates, SolarYear, Result, nullptr};
