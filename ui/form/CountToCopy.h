// What the result line's copy command puts on the clipboard.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The day count of a result line that shows one, as plain digits ("293"); nothing while the
// line shows the instructions or an error message.
std::optional<std::string> CountToCopy(std::string_view resultLine);
