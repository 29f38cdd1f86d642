// The process entry point of a windowed program. The command line and the show state are
// accepted and ignored.
#include <windows.h>

#include <cstdlib>

#include "framework/Application.h"

namespace {

// Later DLL loads search system32 only, never the current or the executable's directory.
// Looked up at run time: older systems lack the function.
void RestrictDllSearch() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const FARPROC proc =
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (proc) {
        reinterpret_cast<SetDirectories>(reinterpret_cast<void (*)()>(proc))(
            LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace

// An uncaught exception ends the program at once. The runtime's own handler would print the
// exception's demangled type name to a console that a windowed program does not have; defining
// the handler here keeps that printer and its demangler (about 45 KB) out of the executable.
namespace __gnu_cxx {  // NOLINT(bugprone-reserved-identifier): replaces the runtime's definition
void __verbose_terminate_handler() {  // NOLINT(bugprone-reserved-identifier)
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*showCommand*/) {
    RestrictDllSearch();
    if (fw::Application* app = fw::Application::Instance()) app->InitInstance();
    return 0;
}
