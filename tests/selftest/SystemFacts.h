// What the report says about the machine, read from the Windows API and registry.
#pragma once

#include <string>

struct SystemFacts {
    std::wstring windows;   // "Windows 11 Pro 23H2, version 10.0.22631.2861"
    std::wstring language;  // "ko-KR (Korean (Korea)), LANGID 0x0412"
    std::wstring codePages;
    std::wstring scale;           // of the primary monitor
    std::wstring desktopProblem;  // empty when this session has a desktop to work
};

// Makes the process per-monitor DPI aware, so that sizes and pictures are the screen's own.
void BecomeDpiAware();
SystemFacts ReadSystemFacts();
// The version record of a program, "1.2.0.0"; empty when it has none.
std::wstring FileVersion(const std::wstring& path);
