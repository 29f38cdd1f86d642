// Text at the boundary to Windows. The program's texts are CP949 byte strings; the W functions
// take UTF-16. Code page 949 is named explicitly, so Hangul shows correctly whatever the
// system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace fw {

std::wstring ToUtf16(std::string_view cp949);
std::string ToCp949(std::wstring_view utf16);
// UTF-8 (a file's text) to CP949; characters CP949 lacks become '?'.
std::string Utf8ToCp949(std::string_view utf8);
// CP949 to UTF-8 (a file's text).
std::string Cp949ToUtf8(std::string_view cp949);

}  // namespace fw
