#include "calendar/IntegerFormat.h"

namespace {

std::string Digits(std::int64_t value) {
    // The magnitude as unsigned, so that the most negative value has one too.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return digits;
}

}  // namespace

std::string FormatIntegers(std::string_view format, std::initializer_list<std::int64_t> values) {
    std::string text;
    const std::int64_t* next = values.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            text += format[i];
            continue;
        }
        std::size_t end = i + 1;
        const bool zeroPad = end < format.size() && format[end] == '0';
        std::size_t width = 0;
        for (; end < format.size() && format[end] >= '0' && format[end] <= '9'; ++end) {
            width = width * 10 + static_cast<std::size_t>(format[end] - '0');
        }
        if (end == i + 1 && end < format.size() && format[end] == '%') {
            text += '%';
            i = end;
        } else if (end < format.size() && format[end] == 'd' && next != values.end()) {
            const std::string sign = *next < 0 ? "-" : "";
            const std::string digits = Digits(*next++);
            const std::size_t fill =
                sign.size() + digits.size() < width ? width - sign.size() - digits.size() : 0;
            if (zeroPad) {
                text.append(sign).append(fill, '0');
            } else {
                text.append(fill, ' ').append(sign);
            }
            text += digits;
            i = end;
        } else {
            text += '%';
        }
    }
    return text;
}
