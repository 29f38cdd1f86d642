// A whole date pasted into a year field, as people write one.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/DateMath.h"

// "2009-03-07", "2009.3.7", "2009. 3. 7.", "2009/03/07", "2009년 3월 7일": one date that
// exists, else nothing.
std::optional<CivilDate> ParsePastedDate(std::string_view cp949Text);
