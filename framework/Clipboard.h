// The system clipboard's text.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

// Replaces the clipboard's contents with the text (CP949), as Unicode text. Another program
// may hold the clipboard open for a moment (clipboard history, remote desktop), so opening it
// is retried briefly. false when it stayed closed to us or took nothing.
bool PutTextOnClipboard(HWND owner, const std::string& cp949Text);

// The clipboard's Unicode text as CP949; "" when it holds no text or stays closed to us.
std::string GetClipboardText(HWND owner);

}  // namespace fw
