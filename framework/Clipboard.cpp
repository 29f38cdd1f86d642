#include "framework/Clipboard.h"

#include <cstring>

#include "framework/Text.h"

namespace fw {

namespace {

// The text with its terminating zero in movable global memory, as the clipboard requires;
// nullptr when there is no memory for it.
HGLOBAL GlobalText(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    void* data = GlobalLock(memory);
    if (!data) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(data, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

// Opens the clipboard, trying ten times over about a tenth of a second.
bool OpenClipboardRetrying(HWND owner) {
    constexpr int kAttempts = 10;
    constexpr DWORD kPauseMs = 10;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (OpenClipboard(owner)) return true;
        if (attempt < kAttempts) Sleep(kPauseMs);
    }
    return false;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::string& cp949Text) {
    if (!OpenClipboardRetrying(owner)) return false;
    EmptyClipboard();
    bool taken = false;
    if (HGLOBAL memory = GlobalText(ToUtf16(cp949Text))) {
        // Once taken, the memory belongs to the clipboard; refused, it is still ours.
        taken = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        // cppcheck-suppress doubleFree ; cppcheck has SetClipboardData free it even on failure
        if (!taken) GlobalFree(memory);
    }
    CloseClipboard();
    return taken;
}

std::string GetClipboardText(HWND owner) {
    if (!OpenClipboardRetrying(owner)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = ToCp949(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace fw
