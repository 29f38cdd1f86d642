// 만 나이: an age on a reference date.
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {BirthYear, ReferenceYear};

std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> dates) {
    return AgeResult(window.Calendar(), dates[0], dates[1]);
}

}  // namespace

const ToolsPage kAgePage{kDates, BirthYear, Result, nullptr};
