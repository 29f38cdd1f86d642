#include "ui/DateToolsResults.h"

#include "calendar/KoreanDateText.h"
#include "ui/DateToolsTexts.h"

namespace {

// Appends a line, after a line break unless it is the first.
void AddLine(std::string& text, const std::string& line) {
    if (!text.empty()) text += "\r\n";
    text += line;
}

// "1,234" followed by the unit: "293일", "41주".
std::string Count(std::int64_t value, const char* unit) {
    return WithThousands(value) + unit;
}

ToolResult Message(const char* text) {
    return {text, std::nullopt};
}

// Lines as shown are also what is copied.
ToolResult Lines(const std::string& text) {
    return {text, text};
}

}  // namespace

ToolResult PeriodResult(CivilDate start, CivilDate end, bool includeStart) {
    const bool reversed = DayNumber(end) < DayNumber(start);
    const CivilDate from = reversed ? end : start;
    const CivilDate to = reversed ? start : end;
    const std::int64_t days = DayNumber(to) - DayNumber(from) + (includeStart ? 1 : 0);
    const YearsMonthsDays parts = BreakDownPeriod(from, to, includeStart);

    std::string notes;
    if (includeStart) notes = kIncludeStartNote;
    if (reversed) notes += (notes.empty() ? "" : kNoteSeparator) + std::string(kEndBeforeStartNote);
    std::string text = Count(days, kDayUnit);
    if (!notes.empty()) text += " (" + notes + ")";
    AddLine(text, Count(parts.years, kYearUnit) + " " + Count(parts.months, kMonthsUnit) + " " +
                      Count(parts.days, kDayUnit));
    AddLine(text, Count(days / 7, kWeekUnit) + " " + Count(days % 7, kDayUnit));
    AddLine(text, kStartDateLabel + KoreanDateWithWeekday(start));
    AddLine(text, kEndDateLabel + KoreanDateWithWeekday(end));
    return Lines(text);
}

ToolResult ShiftResult(CivilDate base, std::int64_t amount, PeriodUnit unit, Direction direction,
                       bool includeStart) {
    const std::optional<CivilDate> date = ShiftDate(base, amount, unit, direction, includeStart);
    if (!date) return Message(kOutOfRangeMessage);
    const std::int64_t distance = DayNumber(*date) - DayNumber(base);
    std::string text = KoreanDateWithWeekday(*date);
    AddLine(text, distance == 0
                      ? std::string(kSameAsBaseDate)
                      : kFromBaseDate + Count(distance < 0 ? -distance : distance, kDayUnit) + " " +
                            kDirectionItems[distance < 0 ? 1 : 0]);
    return {text, IsoDate(*date)};
}

ToolResult AgeResult(CivilDate birth, CivilDate on) {
    if (DayNumber(on) < DayNumber(birth)) return Message(kReferenceBeforeBirthMessage);
    const std::optional<Age> age = AgeOn(birth, on);
    if (!age) return Message(kOutOfRangeMessage);

    std::string text = kFullAgePrefix + Count(age->years, kYearsOfAge);
    if (age->years == 0) text += " (" + Count(age->monthsPastBirthday, kMonthsOfAgeEnd);
    const int calendarAge = on.year - birth.year;
    AddLine(text, kCalendarAgeLabel + Count(calendarAge, kYearsOfAge));
    AddLine(text, kCountingAgeLabel + Count(calendarAge + 1, kYearsOfAge));
    AddLine(text, kFullAgePrefix + Count(age->years + 1, kBecomesAgeLabel) +
                      KoreanDateWithWeekday(age->nextBirthday) + " (" +
                      Count(age->daysUntilNextBirthday, kDayUnit) + kDaysLeftEnd);
    return Lines(text);
}
