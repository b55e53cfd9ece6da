// What the Windows side of the benchmarks shares: the pauses agreed with bench/bench.py, the clock, and looking at
// another process's windows without waiting on its thread (it may be busy copying).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int DriveInstall(bool storno, double stornoAfter);

template <class Condition>
bool Poll(Condition done, DWORD timeoutMs, DWORD everyMs)
{
    for (const DWORD start = ::GetTickCount(); !done(); ::Sleep(everyMs)) {
        if (::GetTickCount() - start > timeoutMs) return false;
    }
    return true;
}

// Creates `<folder><name>.ready`, then waits for `<folder><name>.go`: meanwhile the host side reads /proc figures or
// drops the page cache. False after the time-out.
inline bool Handshake(const std::string& folder, const std::string& name, DWORD timeoutMs = 300000)
{
    const std::string ready = folder + name + ".ready", go = folder + name + ".go";
    HANDLE file = ::CreateFileA(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE || !::CloseHandle(file)) return false;
    return Poll([&] { return ::GetFileAttributesA(go.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs, 10);
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

inline BOOL CALLBACK Collect(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// With a parent all its children, else the top-level windows of a process, hidden ones too. Children are not asked
// for their process: each question about another process's window is a wineserver request, which the copy being
// timed also waits on.
inline std::vector<HWND> Windows(DWORD pid, HWND parent = nullptr)
{
    std::vector<HWND> all, found;
    if (parent) {
        ::EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
        return all;
    }
    ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == pid) found.push_back(window);
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
