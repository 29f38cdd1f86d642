#include "calendar/UserHolidayFile.h"

#include <optional>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads `count` digits at text[at...].
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (text.size() < at + count) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i])) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "YYYY-MM-DD" at the start of the text, a date that exists; the rest of the text must start
// with a blank or be empty.
std::optional<CivilDate> LeadingDate(std::string_view text) {
    constexpr std::size_t kLength = 10;
    const std::optional<int> year = Digits(text, 0, 4);
    const std::optional<int> month = Digits(text, 5, 2);
    const std::optional<int> day = Digits(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-' ||
        (text.size() > kLength && kBlanks.find(text[kLength]) == std::string_view::npos)) {
        return std::nullopt;
    }
    const CivilDate date{*year, *month, *day};
    return IsValidDate(date) ? std::optional<CivilDate>(date) : std::nullopt;
}

// Well-formed UTF-8 without control characters (RFC 3629: no overlong forms, no surrogates,
// nothing past U+10FFFF).
bool IsCleanUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int lowest = 0;
        unsigned int point = 0;
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) {
                return false;
            }
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2, lowest = 0x80, point = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, lowest = 0x800, point = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, lowest = 0x10000, point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            point = (point << 6) | (next & 0x3F);
        }
        if (point < lowest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

UserHolidayChanges ParseUserHolidayFile(std::string_view utf8Text) {
    if (utf8Text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        utf8Text.remove_prefix(kByteOrderMark.size());
    }
    UserHolidayChanges changes;
    int number = 0;
    while (!utf8Text.empty()) {
        ++number;
        const std::size_t end = utf8Text.find('\n');
        std::string_view line = utf8Text.substr(0, end);
        utf8Text.remove_prefix(end == std::string_view::npos ? utf8Text.size() : end + 1);

        line = Trim(line.substr(0, line.find('#')));
        if (line.empty()) {
            continue;
        }
        const bool removal = line.front() == '-';
        if (removal) {
            line.remove_prefix(1);
        }
        const std::optional<CivilDate> date = LeadingDate(line);
        const std::string_view rest = date ? Trim(line.substr(10)) : std::string_view();
        if (date && removal && rest.empty()) {
            changes.removals.push_back(*date);
        } else if (date && !removal && !rest.empty() && IsCleanUtf8(rest)) {
            changes.additions.push_back({*date, std::string(rest)});
        } else {
            changes.badLines.push_back(number);
        }
    }
    return changes;
}

void ApplyUserHolidays(HolidayCalendar& calendar, const UserHolidayChanges& changes) {
    for (const CivilDate& date : changes.removals) {
        calendar.RemoveHolidaysOn(date);
    }
    for (const UserHolidayAddition& addition : changes.additions) {
        calendar.AddUserHoliday(addition.date, addition.nameUtf8);
    }
}
