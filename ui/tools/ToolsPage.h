// One page of the date tools window: which dates it reads, where the focus starts and what it
// answers, against the window's inputs. A new page is a file of its own (a ToolsPage and its
// line in PageFor), a ToolPage value, its fields and its part of the template.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "ui/tools/DateToolsHandlers.h"
#include "ui/tools/DateToolsResults.h"

class ToolsPage {
public:
    // The year fields of the page's dates, in tab order; none for a page without a date.
    virtual std::span<const ToolField> Dates() const = 0;
    // Where the focus goes when the page is chosen.
    virtual ToolField FirstField() const { return Dates().front(); }
    // The result once the page's dates exist (given in the order of Dates); nothing while
    // another input is missing, when the page's hint shows.
    virtual std::optional<ToolResult> Result(DateToolsHandlers& window,
                                             std::span<const CivilDate> dates) const = 0;
    // What a screen reader calls the result area while it shows the result; nothing for its
    // own name.
    virtual std::optional<std::string> AreaName(DateToolsHandlers& /*window*/) const {
        return std::nullopt;
    }

protected:
    ~ToolsPage() = default;
};

// The pages, each in its own file; PageFor picks one.
const ToolsPage& PeriodToolsPage();
const ToolsPage& ShiftToolsPage();
const ToolsPage& AgeToolsPage();
const ToolsPage& HolidaysToolsPage();
const ToolsPage& PageFor(ToolPage page);
