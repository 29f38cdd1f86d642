#include "framework/Resources.h"

#include "framework/Text.h"

namespace fw {

std::string LoadResString(UINT id) {
    // With a zero buffer size LoadStringW hands out the resource's own read-only text.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(ResourceInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? ToCp949({text, static_cast<size_t>(length)}) : std::string();
}

HICON LoadIconResource(UINT id) {
    return static_cast<HICON>(LoadImageW(ResourceInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                         LR_SHARED));
}

}  // namespace fw
