// Test-side conversion of UTF-8 literals to CP949, independent of the code under test:
// iconv natively, the Windows code-page tables under Wine.
#pragma once

#include <string>
#include <string_view>

std::string Cp949(const std::string& utf8);

// u8"..." literals are char8_t text in C++20.
inline std::string Cp949(std::u8string_view utf8) {
    return Cp949(std::string(utf8.begin(), utf8.end()));
}
