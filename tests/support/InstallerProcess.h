// The real installer, started from a temporary installer folder and driven from this process.
#pragma once

#include <windows.h>

#include <string>

#include "HostPath.h"
#include "TempFolder.h"

// The built VELANInst.exe, as a Windows path.
std::string InstallerExe();
// The same program built with its test counters (see ProbeValue).
std::string ProbesExe();
// A counter the probes build keeps on a window.
ULONG_PTR ProbeValue(HWND window, const wchar_t* name);

class InstallerProcess {
public:
    // Copies the installer into the folder and starts it there.
    explicit InstallerProcess(const TempFolder& folder, const std::string& exe = InstallerExe());
    // Starts the installer that already sits in the folder (a path ending in a backslash).
    explicit InstallerProcess(const std::string& folder);
    ~InstallerProcess();
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    // A visible top-level window of the process with this title (any title when empty).
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = 15000) const;
    // The visible window of the process that is not `except` (a message box over the dialog).
    HWND WaitForOtherWindow(HWND except, DWORD timeoutMs = 15000) const;
    // The installer window, dismissing the movie message box first when `expectMovieBox`.
    HWND MainWindow(bool expectMovieBox = false);
    bool WaitForExit(DWORD timeoutMs = 10000) const;
    // Ends the process at once, as a crash or a power cut would.
    void Kill();
    DWORD ExitCode() const;

private:
    void Launch(const std::string& exe, const std::string& folder);

    PROCESS_INFORMATION m_info{};
};

// The visible top-level windows of a process that are not `except`.
HWND FindProcessWindow(DWORD pid, const std::wstring& title, HWND except);
// The text of a window or control, read across processes.
std::wstring TextOf(HWND window);
// The text of a message box's message.
std::wstring MessageBoxText(HWND box);
// Presses a button of another process without waiting for what the press opens.
void Press(HWND dialog, int id);
// Waits until the condition holds, pumping nothing; false on time-out.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::Sleep(20);
    }
    return true;
}
