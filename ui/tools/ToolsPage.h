// One page of the date tools window: which dates it reads, where the focus starts and what it
// answers, against the window's inputs. A new page is a file of its own holding its ToolsPage
// (and its line in PageFor), a ToolPage value, its fields and its part of the template.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "ui/tools/DateToolsHandlers.h"
#include "ui/tools/DateToolsResults.h"

struct ToolsPage {
    // The year fields of the page's dates, in tab order; none for a page without a date.
    std::span<const ToolField> dates;
    // Where the focus goes when the page is chosen.
    ToolField firstField;
    // The result once the page's dates exist (given in the order of `dates`); nothing while
    // another input is missing, when the page's hint shows.
    std::optional<ToolResult> (*result)(DateToolsHandlers& window,
                                        std::span<const CivilDate> dates);
    // What a screen reader calls the result area while it shows the result; nullptr where the
    // area keeps its own name.
    std::string (*areaName)(DateToolsHandlers& window);
};

// The pages, each in its own file; PageFor picks one.
extern const ToolsPage kPeriodPage;
extern const ToolsPage kShiftPage;
extern const ToolsPage kAgePage;
extern const ToolsPage kHolidaysPage;
extern const ToolsPage kLunarPage;
extern const ToolsPage kAnniversariesPage;
const ToolsPage& PageFor(ToolPage page);
