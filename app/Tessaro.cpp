#include "app/Tessaro.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "framework/ComApartment.h"
#include "ui/form/TessaroDlg.h"

// The application object, built before the entry point runs (framework/AppMain.cpp).
CTessaroApp theApp;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

namespace {

// "Tessaro.exe /tools" (any case) opens the date tools over the form at start. The command line
// is split here: CommandLineToArgvW would load shell32 at every start.
bool AsksForDateTools() {
    std::wstring_view line = GetCommandLineW();
    constexpr std::wstring_view kBlanks = L" \t";
    constexpr std::wstring_view kSwitch = L"/tools";
    // The program's own path comes first, quoted when it holds a blank.
    const std::size_t pathEnd =
        !line.empty() && line.front() == L'"' ? line.find(L'"', 1) : line.find_first_of(kBlanks);
    line.remove_prefix(pathEnd == std::wstring_view::npos ? line.size() : pathEnd + 1);
    while (!line.empty()) {
        line.remove_prefix(std::min(line.find_first_not_of(kBlanks), line.size()));
        const std::wstring_view word = line.substr(0, line.find_first_of(kBlanks));
        if (CompareStringOrdinal(word.data(), static_cast<int>(word.size()), kSwitch.data(),
                                 static_cast<int>(kSwitch.size()), TRUE) == CSTR_EQUAL)
            return true;
        line.remove_prefix(word.size());
    }
    return false;
}

}  // namespace

bool CTessaroApp::InitInstance() {
    // The controls are the classic system controls: no container or 3-D set-up is needed. COM
    // is entered for as long as the form is open, since the form names its fields for screen
    // readers through a COM service.
    const fw::ComApartment com;
    CTessaroDlg dlg(nullptr, AsksForDateTools());
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
