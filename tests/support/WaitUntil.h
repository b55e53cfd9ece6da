// Waiting for what a test needs to see, instead of for a fixed time that is too short on a loaded
// machine and wasted on an idle one.
#pragma once

#include <windows.h>

// True as soon as condition() holds; false once timeoutMs has passed without it. The condition is
// asked again every pollMs: a test racing a run it wants to stop midway polls finely, one that
// reads another process's windows or the screen leaves that process the processor between asks.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000, DWORD pollMs = 20)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::Sleep(pollMs);
    }
    return true;
}
