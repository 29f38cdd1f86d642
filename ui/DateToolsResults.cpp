#include "ui/DateToolsResults.h"

#include <string_view>

#include "calendar/KoreanDateText.h"
#include "ui/DateToolsTexts.h"

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

}  // namespace

ToolResult PeriodResult(CivilDate start, CivilDate end, bool includeStart) {
    const bool reversed = Days(start, end) < 0;
    const CivilDate from = reversed ? end : start;
    const CivilDate to = reversed ? start : end;
    const std::int64_t days = Days(from, to) + (includeStart ? 1 : 0);
    const YearsMonthsDays parts = BreakDownPeriod(from, to, includeStart);

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
    text.NewLine() << kStartDateLabel << start;
    text.NewLine() << kEndDateLabel << end;
    return {text.str(), text.str()};
}

ToolResult ShiftResult(CivilDate base, std::int64_t amount, PeriodUnit unit, Direction direction,
                       bool includeStart) {
    const std::optional<CivilDate> date = ShiftDate(base, amount, unit, direction, includeStart);
    if (!date) return {kOutOfRangeMessage, std::nullopt};
    const std::int64_t distance = Days(base, *date);
    Text text;
    text << *date;
    if (distance == 0) {
        text.NewLine() << kSameAsBaseDate;
    } else {
        text.NewLine() << kFromBaseDate << (distance < 0 ? -distance : distance) << kDayUnit << " "
                       << kDirectionItems[distance < 0 ? 1 : 0];
    }
    return {text.str(), IsoDate(*date)};
}

ToolResult AgeResult(CivilDate birth, CivilDate on) {
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
    text.NewLine() << kFullAgePrefix << years + 1 << kBecomesAgeLabel << age->nextBirthday << " ("
                   << age->daysUntilNextBirthday << kDayUnit << kDaysLeftEnd;
    return {text.str(), text.str()};
}
