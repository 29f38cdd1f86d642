#include "ui/UserGuide.h"

#include "framework/Files.h"
#include "framework/Text.h"

namespace {
// "사용설명서.txt"
constexpr char kUserGuideName[] = "\xBB\xE7\xBF\xEB\xBC\xB3\xB8\xED\xBC\xAD.txt";
}  // namespace

std::optional<std::wstring> UserGuidePath() {
    std::wstring path = fw::PathBesideProgram(fw::ToUtf16(kUserGuideName));
    if (!fw::IsExistingFile(path)) return std::nullopt;
    return path;
}

void OpenUserGuide(HWND owner) {
    if (const std::optional<std::wstring> path = UserGuidePath()) {
        fw::OpenWithViewer(owner, *path);
    }
}
