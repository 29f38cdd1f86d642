// Putting text on the system clipboard.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Replaces the clipboard's contents with the text (CP949), as Unicode text. false when the
// clipboard could not be opened (another program holds it open) or took nothing.
bool PutTextOnClipboard(HWND owner, const std::string& cp949Text);

// The clipboard's text as CP949; empty when it holds none or cannot be opened.
std::string GetClipboardText(HWND owner);

}  // namespace fw
