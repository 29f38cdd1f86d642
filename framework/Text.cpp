#include "framework/Text.h"

#include <windows.h>

namespace fw {

namespace {
constexpr UINT kKoreanCodePage = 949;
}

std::wstring ToUtf16(std::string_view cp949) {
    if (cp949.empty()) return {};
    const int size = static_cast<int>(cp949.size());
    const int length = MultiByteToWideChar(kKoreanCodePage, 0, cp949.data(), size, nullptr, 0);
    std::wstring out(length, L'\0');
    MultiByteToWideChar(kKoreanCodePage, 0, cp949.data(), size, out.data(), length);
    return out;
}

std::string ToCp949(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(kKoreanCodePage, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(kKoreanCodePage, 0, utf16.data(), size, out.data(), length, nullptr,
                        nullptr);
    return out;
}

std::string Utf8ToCp949(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring utf16(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, utf16.data(), length);
    return ToCp949(utf16);
}

}  // namespace fw
