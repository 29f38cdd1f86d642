#include "ui/PastedDate.h"

#include <cstddef>

namespace {

// Reads up to maxDigits digits at text[i]; -1 when there is none.
int ReadNumber(std::string_view text, std::size_t& i, std::size_t maxDigits) {
    int value = 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < maxDigits) {
        value = value * 10 + (text[i++] - '0');
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

void SkipBlanks(std::string_view text, std::size_t& i) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
}

// A separator after a number: '-', '.', '/', or the given CP949 unit ("년", "월", "일").
bool SkipSeparator(std::string_view text, std::size_t& i, std::string_view unit) {
    SkipBlanks(text, i);
    if (i < text.size() && (text[i] == '-' || text[i] == '.' || text[i] == '/')) {
        ++i;
    } else if (text.substr(i, unit.size()) == unit) {
        i += unit.size();
    } else {
        return false;
    }
    SkipBlanks(text, i);
    return true;
}

}  // namespace

std::optional<CivilDate> ParsePastedDate(std::string_view text) {
    std::size_t i = 0;
    SkipBlanks(text, i);
    CivilDate date{};
    date.year = ReadNumber(text, i, 4);
    if (date.year < 0 || !SkipSeparator(text, i, "\xB3\xE2")) return std::nullopt;  // "년"
    date.month = ReadNumber(text, i, 2);
    if (date.month < 0 || !SkipSeparator(text, i, "\xBF\xF9")) return std::nullopt;  // "월"
    date.day = ReadNumber(text, i, 2);
    if (date.day < 0) return std::nullopt;
    SkipSeparator(text, i, "\xC0\xCF");  // "일" or a closing '.'
    while (i < text.size() && (text[i] == '\r' || text[i] == '\n' || text[i] == ' ')) ++i;
    if (i != text.size() || !IsValidDate(date)) return std::nullopt;
    return date;
}
