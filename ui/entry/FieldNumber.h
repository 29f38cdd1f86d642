// How a date field's text reads as a number, and how numbers are written into the lists.
#pragma once

#include <string>
#include <string_view>

// Leading blanks skipped, one optional minus sign, then decimal digits up to the first
// non-digit. 0 when no digit follows, and when the value does not fit a signed 32-bit integer.
int ParseFieldInt(std::string_view text);

// Digits, after the blanks a list item may start with (" 3"); not empty.
bool IsDigitText(std::string_view text);

// The text without the blanks and line breaks around it.
std::string_view TrimBlanks(std::string_view text);

// A month or day box holding a lone "0" waits for its second digit: "03" is March, "07" the 7th.
bool AwaitsSecondDigit(std::string_view boxText);

// Two-column number text of the month and day lists: " 1" .. " 9", "10" .. "31".
std::string TwoColumnNumber(int n);
