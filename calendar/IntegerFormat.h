// printf's integer conversions alone ("%d", "%4d", "%02d"; "%%" for a percent sign), for the
// program's fixed formats. The Windows runtime's printf brings a floating-point formatter of
// some 20 KB into the executable, which nothing here needs.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The format with each conversion replaced by the next value, as snprintf would write it; a
// conversion without a value left to take is written as it stands.
std::string FormatIntegers(std::string_view format, std::initializer_list<std::int64_t> values);
