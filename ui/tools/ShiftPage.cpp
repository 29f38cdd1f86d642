// 더하기/빼기: a date moved by an amount of days, weeks, months, years or working days.
#include "ui/entry/FieldNumber.h"
#include "ui/tools/ToolsPage.h"

using enum ToolField;

namespace {

constexpr ToolField kDates[] = {BaseYear};

// The amount takes up to seven digits; the unit and the direction come from their lists.
std::optional<ToolResult> Result(DateToolsHandlers& window, std::span<const CivilDate> dates) {
    const std::string amount = window.GetText(Amount);
    const int unit = window.GetSelection(Unit);
    const int direction = window.GetSelection(ShiftDirection);
    if (!IsDigitText(amount) || amount.size() > kAmountDigits || unit < 0 ||
        unit >= kShiftUnitCount || direction < 0 || direction > 1) {
        return std::nullopt;
    }
    return ShiftResult(window.Calendar(), dates[0], ParseFieldInt(amount),
                       static_cast<ShiftUnit>(unit), static_cast<Direction>(direction),
                       {window.IsChecked(ShiftIncludeStart), window.IsChecked(ShiftToWorkingDay)});
}

}  // namespace

const ToolsPage kShiftPage{kDates, BaseYear, Result, nullptr};
