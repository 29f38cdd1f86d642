// Pictures of Tessaro at this machine's own scale: the screenshot tour (a test program of the
// bundle) walks the form through its main views and names the screen area of each; this takes
// each area from the screen into a PNG file.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// The tour could not work the desktop (../e2e/NotRun.h); what() is its reason.
struct ToursNotRun : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Runs the tour and writes NAME.png into the folder for each view; returns the files written.
// Throws ToursNotRun when the desktop kept Tessaro from the front, std::runtime_error when
// the tour cannot be run to its end otherwise.
std::vector<std::wstring> TakeScreenshots(const std::wstring& tourCommandLine,
                                          const std::wstring& folder);
