// Unicode text on a clipboard the caller has opened: read back what the program copied, or
// set and put back what the tests replace.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

// "" when it holds none.
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

// Replaces the contents of a clipboard the caller has opened with the text.
inline void PutUnicodeTextOnOpenClipboard(const std::wstring& text) {
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        // cppcheck-suppress doubleFree ; cppcheck has SetClipboardData free it even on failure
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
}
