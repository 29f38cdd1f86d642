// Pictures of Tessaro at this machine's own scale: the screenshot tour (a test program of the
// bundle) walks the form through its main views and names the screen area of each; this takes
// each area from the screen into a PNG file.
#pragma once

#include <string>
#include <vector>

// Runs the tour and writes NAME.png into the folder for each view; returns the files written.
// Throws std::runtime_error when the tour cannot be run to its end.
std::vector<std::wstring> TakeScreenshots(const std::wstring& tourCommandLine,
                                          const std::wstring& folder);
