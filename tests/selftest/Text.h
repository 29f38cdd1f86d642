// Text helpers of the self-test runner: UTF-8 and UTF-16, console output, small formatting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::string Utf8(std::wstring_view text);
// Bytes a program printed: UTF-8 when they are valid UTF-8, otherwise the ANSI code page's.
std::wstring FromProgramOutput(std::string_view bytes);

// One line to the console (Unicode) or, when the output is redirected, as UTF-8.
void PrintLine(std::wstring_view line);

std::vector<std::wstring> SplitLines(std::wstring_view text);
std::wstring Replace(std::wstring text, std::wstring_view from, std::wstring_view to);
// "12.3 s"
std::wstring Seconds(double seconds);
