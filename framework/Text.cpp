#include "framework/Text.h"

#include <windows.h>

namespace fw {

namespace {

constexpr UINT kKoreanCodePage = 949;

std::wstring Decode(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring out(length, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), length);
    return out;
}

std::string Encode(UINT codePage, std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(codePage, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(codePage, 0, utf16.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace

std::wstring ToUtf16(std::string_view cp949) {
    return Decode(kKoreanCodePage, cp949);
}

std::string ToCp949(std::wstring_view utf16) {
    return Encode(kKoreanCodePage, utf16);
}

std::string Utf8ToCp949(std::string_view utf8) {
    return ToCp949(Decode(CP_UTF8, utf8));
}

std::string Cp949ToUtf8(std::string_view cp949) {
    return Encode(CP_UTF8, ToUtf16(cp949));
}

}  // namespace fw
