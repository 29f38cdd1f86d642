// 기간: the period between two dates.
#include "ui/tools/ToolsPage.h"

namespace {

class PeriodPage final : public ToolsPage {
public:
    std::span<const ToolField> Dates() const override { return kDates; }
    std::optional<ToolResult> Result(DateToolsHandlers& window,
                                     std::span<const CivilDate> dates) const override {
        return PeriodResult(window.Names(), dates[0], dates[1],
                            window.IsChecked(ToolField::PeriodIncludeStart));
    }

private:
    static constexpr ToolField kDates[] = {ToolField::StartYear, ToolField::EndYear};
};

constexpr PeriodPage kPage;

}  // namespace

const ToolsPage& PeriodToolsPage() {
    return kPage;
}
