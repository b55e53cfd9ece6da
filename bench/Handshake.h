// A pause agreed with bench/install.sh through files in a folder both sides see: the host side
// reads /proc figures, or drops the page cache, while the Windows side waits.
#pragma once

#include <windows.h>

#include <string>

// Creates `<folder><name>.ready`, then waits for `<folder><name>.go`; false after the time-out.
inline bool Handshake(const std::string& folder, const std::string& name, DWORD timeoutMs = 300000)
{
    HANDLE ready = ::CreateFileA((folder + name + ".ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                 nullptr);
    if (ready == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(ready);
    const std::string go = folder + name + ".go";
    const DWORD start = ::GetTickCount();
    while (::GetFileAttributesA(go.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::Sleep(10);
    }
    return true;
}

// Seconds between two performance-counter readings.
inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}
