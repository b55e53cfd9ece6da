// InstallerProcess: start, find windows, read texts, press buttons.
#include "support/InstallerProcess.h"

#include <stdexcept>
#include <vector>

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
    ::CloseHandle(m_info.hThread);
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

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

