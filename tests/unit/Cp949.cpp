#include "Cp949.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

std::string Cp949(const std::string& utf8) {
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                               static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        wideLength);
    const int length =
        WideCharToMultiByte(949, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(949, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
    if (!utf8.empty() && out.empty()) throw std::runtime_error("no CP949 form");
    return out;
}
#else
#include <iconv.h>

std::string Cp949(const std::string& utf8) {
    iconv_t cd = iconv_open("CP949", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP949");
    std::string in = utf8;
    std::string out(utf8.size() * 2 + 1, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1)) throw std::runtime_error("no CP949 form");
    out.resize(out.size() - outLeft);
    return out;
}
#endif
