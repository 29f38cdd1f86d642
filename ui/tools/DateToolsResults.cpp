#include "ui/tools/DateToolsResults.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "calendar/KoreanDateText.h"
#include "calendar/LegalDeadline.h"
#include "calendar/WorkingDays.h"
#include "ui/tools/DateToolsTexts.h"

namespace {

// Builds a result text piece by piece: numbers with thousands separators, lines joined by CRLF.
class Text {
public:
    Text& operator<<(std::string_view part) {
        text_.append(part);
        return *this;
    }
    Text& operator<<(std::int64_t number) { return *this << WithThousands(number); }
    Text& operator<<(CivilDate date) { return *this << KoreanDateWithWeekday(date); }
    Text& NewLine() { return *this << "\r\n"; }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

std::int64_t Days(CivilDate from, CivilDate to) {
    return DayNumber(to) - DayNumber(from);
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty()) joined.append(separator);
        joined.append(part);
    }
    return joined;
}

// The holiday's line in a list: its label, and its kind where the label does not say it.
std::string ListLabel(const Holiday& holiday) {
    std::string label = HolidayLabel(holiday);
    const std::string kind = HolidayKindText(holiday);
    if (holiday.kind == HolidayKind::Substitute || label == kind) return label;
    return label + " (" + kind + ")";
}

}  // namespace

std::string MarkedDate(const HolidayCalendar& calendar, CivilDate date) {
    std::vector<std::string> marks;
    for (const Holiday& holiday : calendar.HolidaysOn(date)) {
        std::string mark =
            holiday.kind == HolidayKind::Public ? HolidayLabel(holiday) : HolidayKindText(holiday);
        if (std::ranges::find(marks, mark) == marks.end()) marks.push_back(std::move(mark));
    }
    const std::string text = KoreanDateWithWeekday(date);
    return marks.empty() ? text : text + " (" + Join(marks, kHolidayNameJoin) + ")";
}

namespace {

// "2026년 10월 5일 월요일 대체공휴일(개천절)", one line per holiday.
std::string HolidayLines(const std::vector<Holiday>& holidays) {
    std::vector<std::string> lines(holidays.size());
    std::ranges::transform(holidays, lines.begin(), [&](const Holiday& holiday) {
        return KoreanDateWithWeekday(holiday.date) + " " + ListLabel(holiday);
    });
    return Join(lines, "\r\n");
}

// The days a deadline moved over: "2026년 10월 3일 토요일 개천절, 2026년 10월 4일 일요일".
std::string PassedDays(const std::vector<PassedDay>& passed) {
    std::vector<std::string> days(passed.size());
    std::ranges::transform(passed, days.begin(), [&](const PassedDay& day) {
        std::vector<std::string> labels(day.holidays.size());
        std::ranges::transform(day.holidays, labels.begin(),
                               [&](const Holiday& holiday) { return HolidayLabel(holiday); });
        const std::string text = KoreanDateWithWeekday(day.date);
        return labels.empty() ? text : text + " " + Join(labels, kHolidayNameJoin);
    });
    return Join(days, ", ");
}

}  // namespace

ToolResult PeriodResult(const HolidayCalendar& calendar, CivilDate start, CivilDate end,
                        bool includeStart) {
    const bool reversed = Days(start, end) < 0;
    const CivilDate from = reversed ? end : start;
    const CivilDate to = reversed ? start : end;
    const std::int64_t days = Days(from, to) + (includeStart ? 1 : 0);
    const YearsMonthsDays parts = BreakDownPeriod(from, to, includeStart);
    const PeriodWorkCount work = CountWorkingDays(calendar, from, to, includeStart);

    Text text;
    text << days << kDayUnit;
    if (includeStart || reversed) {
        text << " (" << (includeStart ? kIncludeStartNote : "")
             << (includeStart && reversed ? kNoteSeparator : "")
             << (reversed ? kEndBeforeStartNote : "") << ")";
    }
    text.NewLine() << std::int64_t{parts.years} << kYearUnit << " " << std::int64_t{parts.months}
                   << kMonthsUnit << " " << std::int64_t{parts.days} << kDayUnit;
    text.NewLine() << days / 7 << kWeekUnit << " " << days % 7 << kDayUnit;
    text.NewLine() << kWeekdaysLabel << work.weekdays << kDayUnit;
    text.NewLine() << kWorkingDaysLabel << work.workingDays << kDayUnit;
    if (work.outsideCoverage) text.NewLine() << kCoverageNote;
    text.NewLine() << kStartDateLabel << MarkedDate(calendar, start);
    text.NewLine() << kEndDateLabel << MarkedDate(calendar, end);
    std::string copy = text.str();
    if (!work.holidays.empty())
        copy += "\r\n" + std::string(kHolidaysMetLabel) + "\r\n" + HolidayLines(work.holidays);
    return {text.str(), copy};
}

ToolResult ShiftResult(const HolidayCalendar& calendar, CivilDate base, std::int64_t amount,
                       ShiftUnit unit, Direction direction, ShiftOptions options) {
    std::optional<CivilDate> date;
    std::vector<PassedDay> passed;
    std::optional<CivilDate> workingDayBefore;
    bool outsideCoverage = false;
    if (unit == ShiftUnit::WorkingDays) {
        const std::optional<WorkingDayResult> working =
            ShiftWorkingDays(calendar, base, amount, direction, options.includeStart);
        if (working) {
            date = working->date;
            outsideCoverage = working->outsideCoverage;
        }
    } else if (options.toWorkingDay) {
        std::optional<LegalDeadline> deadline = LegalDeadlineOf(
            calendar, base, amount, static_cast<PeriodUnit>(unit), direction, options.includeStart);
        if (deadline) {
            date = deadline->date;
            passed = std::move(deadline->passed);
            workingDayBefore = deadline->workingDayBefore;
            outsideCoverage = deadline->outsideCoverage;
        }
    } else {
        date =
            ShiftDate(base, amount, static_cast<PeriodUnit>(unit), direction, options.includeStart);
    }
    if (!date) return {kOutOfRangeMessage, std::nullopt};
    const std::int64_t distance = Days(base, *date);
    Text text;
    text << MarkedDate(calendar, *date);
    if (!passed.empty()) text.NewLine() << kMovedToWorkingDay << PassedDays(passed);
    if (workingDayBefore) text.NewLine() << kCountedBackToDayOff << *workingDayBefore;
    if (distance == 0) {
        text.NewLine() << kSameAsBaseDate;
    } else {
        text.NewLine() << kFromBaseDate << (distance < 0 ? -distance : distance) << kDayUnit << " "
                       << kDirectionItems[distance < 0 ? 1 : 0];
    }
    if (outsideCoverage) text.NewLine() << kCoverageNote;
    return {text.str(), IsoDate(*date)};
}

ToolResult AgeResult(const HolidayCalendar& calendar, CivilDate birth, CivilDate on) {
    if (Days(birth, on) < 0) return {kReferenceBeforeBirthMessage, std::nullopt};
    const std::optional<Age> age = AgeOn(birth, on);
    if (!age) return {kOutOfRangeMessage, std::nullopt};

    const std::int64_t years = age->years;
    const std::int64_t calendarAge = on.year - birth.year;
    Text text;
    text << kFullAgePrefix << years << kYearsOfAge;
    if (years == 0) text << " (" << std::int64_t{age->monthsPastBirthday} << kMonthsOfAgeEnd;
    text.NewLine() << kCalendarAgeLabel << calendarAge << kYearsOfAge;
    text.NewLine() << kCountingAgeLabel << calendarAge + 1 << kYearsOfAge;
    text.NewLine() << kFullAgePrefix << years + 1 << kBecomesAgeLabel
                   << MarkedDate(calendar, age->nextBirthday) << " (" << age->daysUntilNextBirthday
                   << kDayUnit << kDaysLeftEnd;
    return {text.str(), text.str()};
}

ToolResult HolidayListResult(const HolidayCalendar& calendar, int year) {
    const std::vector<Holiday> holidays =
        year >= 1 ? calendar.HolidaysOfYear(year) : std::vector<Holiday>{};
    Text text;
    if (!IsCoveredYear(year)) text << std::to_string(year) << kNoHolidayDataEnd;
    if (!holidays.empty()) {
        if (!text.str().empty()) text.NewLine();
        text << HolidayLines(holidays);
    }
    return {text.str(), text.str()};
}

std::string BadLineReport(const std::vector<int>& lineNumbers) {
    constexpr std::size_t kShown = 5;
    Text text;
    for (std::size_t i = 0; i < lineNumbers.size() && i < kShown; ++i) {
        if (i > 0) text.NewLine();
        text << kBadLineStart << std::int64_t{lineNumbers[i]} << kBadLineEnd;
    }
    if (lineNumbers.size() > kShown) {
        text.NewLine() << kMoreBadLinesStart
                       << static_cast<std::int64_t>(lineNumbers.size() - kShown)
                       << kMoreBadLinesEnd;
    }
    return text.str();
}
