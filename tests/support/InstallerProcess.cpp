// InstallerProcess: start, find windows, read texts, press buttons.
#include "tests/support/InstallerProcess.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "tests/support/HostCommands.h"

InstallerProcess::InstallerProcess(const TempFolder& folder, const std::string& built)
{
    const std::string exe = folder / "VELANInst.exe";
    const std::string library = built.substr(0, built.rfind('\\') + 1) + "fmod.dll";
    if (!::CopyFileA(built.c_str(), exe.c_str(), FALSE) ||
        !::CopyFileA(library.c_str(), (folder / "fmod.dll").c_str(), FALSE)) {
        throw std::runtime_error("cannot copy the installer");
    }
    Launch(exe, folder.Path());
}

InstallerProcess::InstallerProcess(const std::string& folder)
{
    Launch(folder + "VELANInst.exe", folder);
}

InstallerProcess::InstallerProcess(const std::string& folder, const std::string& locale)
{
    const char* wine = std::getenv("WINE");
    const std::string command = "LC_ALL=" + locale + " LANG=" + locale + " exec " + (wine ? wine : "wine") + " '" +
                                UnixPathOf(folder + "VELANInst.exe") + "' 2>/dev/null";
    if (!StartHostProgram(L"/bin/sh", {"-c", command})) throw std::runtime_error("cannot start the installer");
    // Its Windows process is known by its window: the installer's, of a process other than this one.
    DWORD pid = 0;
    WaitUntil([&] {
        for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
            ::GetWindowThreadProcessId(window, &pid);
            if (pid != ::GetCurrentProcessId() && ::IsWindowVisible(window) && ::GetDlgItem(window, IDC_PATH)) return true;
        }
        return false;
    }, 15000);
    m_info.dwProcessId = pid;
    m_info.hProcess = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!m_info.hProcess) throw std::runtime_error("cannot find the installer started under " + locale);
}

void InstallerProcess::Launch(const std::string& exe, const std::string& folder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &m_info)) {
        throw std::runtime_error("cannot start the installer");
    }
}

HWND InstallerProcess::MainWindow() const
{
    HWND window = nullptr;
    const auto found = [&] { return (window = FindProcessWindow(Id(), L"", nullptr)) && ::GetDlgItem(window, IDC_PATH); };
    return WaitUntil(found, 15000) ? window : nullptr;
}

InstallerProcess::~InstallerProcess()
{
    if (!WaitForExit(0)) Kill();
    if (m_info.hThread) ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

HWND InstallerProcess::WaitForWindow(const std::wstring& title, HWND except, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(Id(), title, except)) != nullptr; }, timeoutMs);
    return found;
}

bool InstallerProcess::WaitForExit(DWORD timeoutMs) const
{
    return ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void InstallerProcess::Kill()
{
    ::TerminateProcess(m_info.hProcess, 9);
    ::WaitForSingleObject(m_info.hProcess, 10000);
}

HWND FindProcessWindow(DWORD pid, const std::wstring& title, HWND except)
{
    // FindWindow would also return hidden windows, and every dialog here has class #32770.
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        const bool visible = owner == pid && window != except && ::IsWindowVisible(window);
        if (visible && (title.empty() || TextOf(window) == title)) return window;
    }
    return nullptr;
}

std::wstring TextOf(HWND window)
{
    std::vector<wchar_t> buffer(static_cast<std::size_t>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1);
    const LRESULT got = ::SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(got));
}

void Press(HWND dialog, int id)
{
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool PressAndWait(HWND dialog, int id)
{
    DWORD_PTR handled = 0;
    return ::SendMessageTimeoutW(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL, 30000, &handled) != 0;
}

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

