// Reading a whole date out of pasted text, as people write dates in documents and mail.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/DateMath.h"

// The date when the text (CP949, blanks around it ignored) is exactly one date that exists, in
// one of the forms "2009-03-07", "2009/03/07", "2009.3.7", "2009. 3. 7." and "2009년 3월 7일":
// a four-digit year, then a month and a day of one or two digits.
std::optional<CivilDate> ParsePastedDate(std::string_view cp949Text);

// The characters a month or day box (and the main form's year field) takes: every form above
// fits, with room to spare. Far more text (a whole document pasted) keeps a combo box busy for
// minutes.
constexpr int kDateFieldTextLimit = 32;
