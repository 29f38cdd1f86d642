// 만 나이: an age on a reference date.
#include "ui/tools/ToolsPage.h"

namespace {

class AgePage final : public ToolsPage {
public:
    std::span<const ToolField> Dates() const override { return kDates; }
    std::optional<ToolResult> Result(DateToolsHandlers& window,
                                     std::span<const CivilDate> dates) const override {
        return AgeResult(window.Names(), dates[0], dates[1]);
    }

private:
    static constexpr ToolField kDates[] = {ToolField::BirthYear, ToolField::ReferenceYear};
};

constexpr AgePage kPage;

}  // namespace

const ToolsPage& AgeToolsPage() {
    return kPage;
}
