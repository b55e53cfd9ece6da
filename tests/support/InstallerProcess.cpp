// InstallerProcess: start, find windows, read texts, press buttons.
#include "InstallerProcess.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

std::string InstallerExe()
{
    return HostPathFromEnvironment("VELANINST_EXE");
}

std::string ProbesExe()
{
    return HostPathFromEnvironment("VELANINST_PROBES_EXE");
}

ULONG_PTR ProbeValue(HWND window, const wchar_t* name)
{
    return reinterpret_cast<ULONG_PTR>(::GetPropW(window, name));
}

InstallerProcess::InstallerProcess(const TempFolder& folder, const std::string& built)
{
    const std::string exe = folder / "VELANInst.exe";
    if (!::CopyFileA(built.c_str(), exe.c_str(), FALSE)) throw std::runtime_error("cannot copy installer");
    // The sound library that the program imports travels with it.
    const std::string library = built.substr(0, built.rfind('\\') + 1) + "fmod.dll";
    if (!::CopyFileA(library.c_str(), (folder / "fmod.dll").c_str(), FALSE)) {
        throw std::runtime_error("cannot copy fmod.dll");
    }
    Launch(exe, folder.Path());
}

InstallerProcess::InstallerProcess(const std::string& folder)
{
    Launch(folder + "VELANInst.exe", folder);
}

void InstallerProcess::Launch(const std::string& exe, const std::string& folder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &m_info)) {
        throw std::runtime_error("cannot start installer");
    }
}

InstallerProcess::~InstallerProcess()
{
    if (!WaitForExit(0)) {
        ::TerminateProcess(m_info.hProcess, 1);
        ::WaitForSingleObject(m_info.hProcess, 5000);
    }
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

namespace {

struct Search {
    DWORD pid;
    const std::wstring* title;
    HWND except;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param)
{
    Search& s = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != s.pid || window == s.except || !::IsWindowVisible(window)) return TRUE;
    if (!s.title->empty() && TextOf(window) != *s.title) return TRUE;
    s.found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD pid, const std::wstring& title, HWND except)
{
    Search search{pid, &title, except, nullptr};
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND InstallerProcess::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(Id(), title, nullptr)) != nullptr; }, timeoutMs);
    return found;
}

HWND InstallerProcess::WaitForOtherWindow(HWND except, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(Id(), L"", except)) != nullptr; }, timeoutMs);
    return found;
}

HWND InstallerProcess::MainWindow(bool expectMovieBox)
{
    if (expectMovieBox) {
        HWND box = WaitForWindow(L"");
        if (box) {
            Press(box, IDOK);
            WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); });
        }
    }
    HWND window = nullptr;
    // The installer window is the one with the edit control of the path box.
    WaitUntil([&] {
        window = FindProcessWindow(Id(), L"", nullptr);
        return window && ::GetDlgItem(window, 1001);
    }, 15000);
    return window;
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

DWORD InstallerProcess::ExitCode() const
{
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

std::wstring TextOf(HWND window)
{
    const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const LRESULT got = ::SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(got));
}

std::wstring MessageBoxText(HWND box)
{
    return TextOf(::GetDlgItem(box, 0xFFFF));
}

void Press(HWND dialog, int id)
{
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
