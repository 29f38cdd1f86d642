// Texts of the date tools window, as CP949 bytes.
#pragma once

#include "ui/tools/DateToolsForm.h"

// What the result area shows while a page's inputs are incomplete.
const char* PageHint(ToolPage page);

// The items of the unit list (일, 주, 개월, 년, 근무일) and of the direction list (후, 전), in list
// order; each array ends with nullptr.
extern const char* const kUnitItems[];
extern const char* const kDirectionItems[];

// The parts the result texts are made of.
extern const char kIncludeStartNote[];
extern const char kEndBeforeStartNote[];
extern const char kNoteSeparator[];
extern const char kStartDateLabel[];
extern const char kEndDateLabel[];
extern const char kFromBaseDate[];
extern const char kSameAsBaseDate[];
extern const char kOutOfRangeMessage[];
extern const char kReferenceBeforeBirthMessage[];
extern const char kFullAgePrefix[];
extern const char kYearsOfAge[];
extern const char kMonthsOfAgeEnd[];
extern const char kCalendarAgeLabel[];
extern const char kCountingAgeLabel[];
extern const char kBecomesAgeLabel[];
extern const char kDaysLeftEnd[];
extern const char kDayUnit[];
extern const char kWeekUnit[];
extern const char kMonthsUnit[];
extern const char kYearUnit[];
extern const char kWorkingDayUnit[];
extern const char kWeekdaysLabel[];
extern const char kWorkingDaysLabel[];
extern const char kCoverageNote[];
extern const char kHolidaysMetLabel[];
extern const char kMovedToWorkingDay[];
extern const char kCountedBackToDayOff[];
extern const char kNoHolidayDataEnd[];
extern const char kBadLineStart[];
extern const char kBadLineEnd[];
extern const char kMoreBadLinesStart[];
extern const char kMoreBadLinesEnd[];
extern const char kUnreadableUserFile[];

// The holiday list's name: the year, kHolidayCountStart, the count, kHolidayCountEnd.
extern const char kHolidayCountStart[];
extern const char kHolidayCountEnd[];
// The page buttons' names, "기간 1/4" .. "공휴일 4/4", in ToolPage order.
extern const char* const kPageButtonNames[];
// The name of the "오늘" button of the date whose year field is given ("시작일을 오늘로").
const char* TodayButtonName(ToolField year);

// The one item of the result area's context menu; the menu item that opens the window.
extern const char kCopyToolResultItem[];
extern const char kOpenDateToolsItem[];

// The name a screen reader announces for the input; nullptr for a check box, which is named by
// its own text.
const char* ToolFieldName(ToolField field);
