// What the Windows side of the benchmarks shares: the pauses agreed with bench/bench.py, the clock, and looking at
// another process's windows without waiting on its thread (it may be busy copying).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/HostPath.h"
#include "tests/support/WaitUntil.h"

int DriveInstall(bool storno, double stornoAfter);

// Creates `<folder><name>.ready`, then waits for `<folder><name>.go`: meanwhile the host side reads /proc figures or
// drops the page cache. False after five minutes.
inline bool Handshake(const std::string& name)
{
    const std::string folder = HostPathFromEnvironment("BENCH_SYNC_DIR");
    const std::string ready = folder + name + ".ready", go = folder + name + ".go";
    HANDLE file = ::CreateFileA(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE || !::CloseHandle(file)) return false;
    return WaitUntil([&] { return ::GetFileAttributesA(go.c_str()) != INVALID_FILE_ATTRIBUTES; }, 300000, 10);
}

// Seconds on the performance counter.
inline double Now()
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline int Error(const std::string& reason) { std::printf("error\t%s\n", reason.c_str()); return 1; }

// Text and class as the window manager keeps them: for a window of another process no message is sent.
inline std::wstring StoredText(HWND window)
{
    wchar_t text[2048] = {};
    return ::GetWindowTextW(window, text, 2048) ? text : L"";
}

inline std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    return ::GetClassNameW(window, name, 256) ? name : L"";
}

// UTF-8 on one line, as a field of the tab-separated figures.
inline std::string Utf8(const std::wstring& text)
{
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(std::max(0, ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0],
                                                   static_cast<int>(bytes.size()), nullptr, nullptr)));
    std::replace_if(bytes.begin(), bytes.end(), [](char ch) { return ch == '\r' || ch == '\n' || ch == '\t'; }, ' ');
    return bytes;
}

// With a parent its children, else the top-level windows of a process, hidden ones too. Children are not asked for
// their process: each question about another process's window is a wineserver request, which the copy being timed
// also waits on.
inline std::vector<HWND> Windows(DWORD pid, HWND parent = nullptr)
{
    std::vector<HWND> found;
    for (HWND window = parent ? ::GetWindow(parent, GW_CHILD) : ::GetTopWindow(nullptr); window;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        if (parent || (::GetWindowThreadProcessId(window, &owner) && owner == pid)) found.push_back(window);
    }
    return found;
}

// Starts a command line, in `folder` when one is given; the process's handle is the caller's to close.
inline bool Start(std::string commandLine, PROCESS_INFORMATION& process, const char* folder = nullptr)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process)) {
        return false;
    }
    ::CloseHandle(process.hThread);
    return true;
}
