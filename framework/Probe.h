// Counters a test build keeps as properties of a window, readable from another process.
#pragma once

#include <windows.h>

#ifdef VELAN_PROBES
// Adds one to the counter `name` kept on the window.
inline void ProbeCount(HWND window, const wchar_t* name)
{
    const ULONG_PTR value = reinterpret_cast<ULONG_PTR>(::GetPropW(window, name));
    ::SetPropW(window, name, reinterpret_cast<HANDLE>(value + 1));
}
#else
inline void ProbeCount(HWND, const wchar_t*) {}
#endif
