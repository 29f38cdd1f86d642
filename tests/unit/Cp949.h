// Test-side conversion of UTF-8 literals to CP949, independent of the code under test:
// iconv natively, the Windows code-page tables under Wine.
#pragma once

#include <string>

std::string Cp949(const std::string& utf8);
