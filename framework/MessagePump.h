// Keeping a window thread answering while it waits for work done elsewhere.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches this thread's messages (keyboard navigation for `dialog`, when given) until the
// handle is signalled or the period has passed. True when the handle is signalled.
bool PumpMessagesUntil(HANDLE handle, DWORD periodMs, HWND dialog);

// Runs work on a thread of its own while this thread keeps its windows answering, and returns once
// the work has ended (on this thread when no thread can be started). What the work throws is
// thrown here.
void RunWhileAnswering(const std::function<void()>& work);
