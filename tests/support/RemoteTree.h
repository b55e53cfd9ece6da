// Talking to controls of another process: the selected tree item's text, and messages that
// carry a text pointer (the text is written into the other process first).
#pragma once

#include <windows.h>

#include <string>

std::wstring SelectedTreeItemText(HWND tree);
LRESULT SendWithRemoteText(HWND window, UINT message, WPARAM wp, const std::wstring& text);
