// Messages to a window of another process that carry a text pointer: the text is written into
// that process first.
#pragma once

#include <windows.h>

#include <string>

LRESULT SendWithRemoteText(HWND window, UINT message, WPARAM wp, const std::wstring& text);
