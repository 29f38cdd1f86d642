#include "calendar/UserHolidayFile.h"

#include <optional>

namespace {

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

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// Well-formed UTF-8 (RFC 3629: no overlong forms, no surrogates, nothing past U+10FFFF); with
// allowControls false, also without control characters.
bool IsWellFormedUtf8(std::string_view text, bool allowControls) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int lowest = 0;
        unsigned int point = 0;
        if (lead < 0x80) {
            if (!allowControls && IsControl(lead)) {
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

// CP949 (unified Hangul code) as its byte structure allows: printable ASCII, or a lead byte
// 0x81..0xFE with a trail byte A-Z, a-z or 0x81..0xFE; no control characters.
bool IsCleanCp949(std::string_view text) {
    auto isTrail = [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0x81 && c <= 0xFE);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (IsControl(c)) return false;
            continue;
        }
        if (c == 0x80 || c == 0xFF || i + 1 == text.size() ||
            !isTrail(static_cast<unsigned char>(text[i + 1]))) {
            return false;
        }
        ++i;
    }
    return true;
}

void AppendUtf8(std::string& out, unsigned int point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// UTF-16 text (after its byte order mark) as UTF-8. A lone surrogate or an odd last byte
// becomes the byte 0xFF, never valid UTF-8, so that its line is reported as bad.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const auto high = static_cast<unsigned int>(unit(at));
        if (high < 0xD800 || high > 0xDFFF) {
            AppendUtf8(text, high);
            continue;
        }
        const unsigned int low =
            at + 3 < bytes.size() ? static_cast<unsigned int>(unit(at + 2)) : 0;
        if (high <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF) {
            AppendUtf8(text, 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
            at += 2;
        } else {
            text += '\xFF';
        }
    }
    if (at < bytes.size()) text += '\xFF';
    return text;
}

}  // namespace

UserHolidayChanges ParseUserHolidayFile(std::string_view fileBytes) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
    constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
    UserHolidayChanges changes;
    std::string decoded;
    std::string_view text = fileBytes;
    if (fileBytes.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
        changes.namesAreUtf8 = true;
    } else if (fileBytes.starts_with(kUtf16LeMark) || fileBytes.starts_with(kUtf16BeMark)) {
        decoded = Utf8FromUtf16(fileBytes.substr(2), fileBytes.starts_with(kUtf16BeMark));
        text = decoded;
        changes.namesAreUtf8 = true;
    } else {
        changes.namesAreUtf8 = IsWellFormedUtf8(fileBytes, true);
    }
    // The structure (digits, '-', '#', blanks, line ends) is ASCII that no CP949 trail byte can be.
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

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
        const bool cleanName =
            changes.namesAreUtf8 ? IsWellFormedUtf8(rest, false) : IsCleanCp949(rest);
        if (date && removal && rest.empty()) {
            changes.removals.push_back(*date);
        } else if (date && !removal && !rest.empty() && cleanName) {
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
        calendar.AddUserHoliday(addition.date, addition.name);
    }
}
