// Keeping a window thread answering while it waits for work done elsewhere.
#pragma once

#include <windows.h>

// Dispatches this thread's messages (keyboard navigation for `dialog`, when given) until the
// handle is signalled or the period has passed. True when the handle is signalled.
bool PumpMessagesUntil(HANDLE handle, DWORD periodMs, HWND dialog);
