// The Unicode text of a clipboard the caller has opened ("" when it holds none), for the tests
// that read back what the program copied.
#pragma once

#include <windows.h>

#include <string>

inline std::wstring UnicodeTextOfOpenClipboard() {
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    return text;
}
