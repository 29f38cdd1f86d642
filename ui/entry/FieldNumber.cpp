#include "ui/entry/FieldNumber.h"

#include <cstdint>
#include <limits>

#include "calendar/IntegerFormat.h"

int ParseFieldInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;

    // Accumulate the magnitude in 64 bits; past the 32-bit range the whole reading is 0.
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) return 0;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

bool AwaitsSecondDigit(std::string_view boxText) {
    return boxText == "0";
}

std::string TwoColumnNumber(int n) {
    return FormatIntegers("%2d", {n});
}

bool IsDigitText(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return false;
    return text.find_first_not_of("0123456789", start) == std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}
