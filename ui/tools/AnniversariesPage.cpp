// 기념일: the anniversaries of a base date.
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {AnniversaryYear};

std::optional<ToolResult> Result(DateToolsHandlers& /*window*/,
                                 std::span<const CivilDate> /*dates*/) {
    return std::nullopt;
}

}  // namespace

const ToolsPage kAnniversariesPage{kDates, AnniversaryYear, Result, nullptr};
