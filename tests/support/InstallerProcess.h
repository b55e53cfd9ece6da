// The real installer started in an installer folder and driven from this process (tests and benchmarks).
#pragma once

#include <windows.h>

#include <string>

#include "res/Resource.h"
#include "tests/support/HostPath.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WaitUntil.h"

// The built programs, as Windows paths: the shipped one and the one that keeps test counters.
inline std::string InstallerExe() { return HostPathFromEnvironment("VELANINST_EXE"); }
inline std::string ProbesExe() { return HostPathFromEnvironment("VELANINST_PROBES_EXE"); }
// A counter the probes build keeps on a window ("VelanSkinLoads", "VelanSkinDraws").
inline ULONG_PTR ProbeValue(HWND window, const wchar_t* name)
{
    return reinterpret_cast<ULONG_PTR>(::GetPropW(window, name));
}

class InstallerProcess {
public:
    // Copies the program and its sound library into the folder and starts it there.
    InstallerProcess(const TempFolder& folder, const std::string& exe);
    // Starts the program that already sits in the folder (a path ending in a backslash).
    explicit InstallerProcess(const std::string& folder);
    // The same as a new Wine process under another locale, from which Wine takes a process's code
    // page (LC_ALL=C.UTF-8: 1252); no other installer may be running.
    InstallerProcess(const std::string& folder, const std::string& locale);
    ~InstallerProcess();
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    // A visible top-level window of the process that is not `except`, with this title unless empty.
    HWND WaitForWindow(const std::wstring& title, HWND except = nullptr, DWORD timeoutMs = 15000) const;
    // The installer window: the one with the path box; null when it did not show.
    HWND MainWindow() const;
    bool WaitForExit(DWORD timeoutMs = 10000) const;
    // Ends the process at once, as a crash or a power cut would.
    void Kill();

private:
    void Launch(const std::string& exe, const std::string& folder);

    PROCESS_INFORMATION m_info{};
};

HWND FindProcessWindow(DWORD pid, const std::wstring& title, HWND except);
std::wstring TextOf(HWND window);
// Presses a button without waiting for what the press opens (a modal box would block a send).
void Press(HWND dialog, int id);
// Presses a button whose command opens no modal box, and waits until the window has handled it.
bool PressAndWait(HWND dialog, int id);
std::wstring Wide(const std::string& ascii);

