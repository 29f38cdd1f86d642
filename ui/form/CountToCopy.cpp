#include "ui/form/CountToCopy.h"

#include <algorithm>

#include "calendar/Data_Day.h"

// The line shows a count exactly when it is the count's sentence: the format's text before and
// after its %d, with digits in between.
std::optional<std::string> CountToCopy(std::string_view resultLine) {
    const std::string_view format = kResultFormat;
    const size_t placeholder = format.find("%d");
    const std::string_view before = format.substr(0, placeholder);
    const std::string_view after = format.substr(placeholder + 2);
    if (resultLine.size() <= before.size() + after.size() || !resultLine.starts_with(before) ||
        !resultLine.ends_with(after)) {
        return std::nullopt;
    }
    const std::string_view digits =
        resultLine.substr(before.size(), resultLine.size() - before.size() - after.size());
    if (!std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::string(digits);
}
