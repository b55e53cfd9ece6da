// CInstallerDlg: the Install command (size pass, free space, shell copy) and Play.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "../app/InstallerDlg.h"
#include "../app/Texts.h"
#include "../framework/FileFind.h"
#include "../framework/Handle.h"
#include "../framework/ModulePath.h"
#include "../framework/WaitCursor.h"
#include "../framework/WideText.h"
#include "../ui/Layout.h"
#include "../ui/StatusText.h"
#include "GamePathText.h"
#include "InstallPlan.h"

namespace {
// Several destinations, no confirmation, undo allowed, no confirmation for new folders.
const FILEOP_FLAGS kCopyFlags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
static_assert(kCopyFlags == 0x0251, "the copy request's flags");
}  // namespace

void CInstallerDlg::OnInstall()
{
    KillTimer(kHoverTimerId);
    if (RunInstallCommand()) SetTimer(kHoverTimerId, kHoverPeriodMs);
}

// Returns false when the command ended the dialog (Play).
bool CInstallerDlg::RunInstallCommand()
{
    UpdateData(TRUE);
    g_strGamePath.TrimRight();
    g_strGamePath.TrimLeft();
    if (g_strGamePath.IsEmpty()) {
        MessageBox(WidenFixed(kNoGamePath), WidenSystem(GetAppName()), MB_OK | MB_ICONEXCLAMATION);
        return true;
    }
    CWaitCursor wait;
    EnableWindow(FALSE);
    g_strGamePath = WithTrailingBackslash(g_strGamePath);

    if (m_bInstalled) {
        // A launcher that cannot start leaves the installer open, so the user can try again.
        if (!StartGame()) return true;
        UpdateData(TRUE);
        EndDialog(IDOK);
        return false;
    }

    ClearStatus();
    unsigned long long total = 0;
    if (!FileExists(g_strGamePath + "*")) {
        AddStatusLine(kNoGameDirectory);
    } else if (!ComputeTotalSize(total)) {
        // Already reported, Install disabled: nothing is copied after a missing source.
    } else if (!HasEnoughSpace(total)) {
        AddStatusLine(FormatMegabytes(kNotEnoughSpace, total));
    } else {
        BringToTopAndShow();
        if (CopyFiles()) {
            AddStatusLine(kInstallSucceeded);
            SwitchToPlay();
            OnInfo();
        } else {
            AddStatusLine(kInstallFailed);
            m_btnInstall.EnableWindow(FALSE);
        }
        EnableWindow(TRUE);
        BringToTopAndShow();
        return true;
    }
    EnableWindow(TRUE);
    return true;
}

void CInstallerDlg::SwitchToPlay()
{
    m_btnInstall.LoadSkinSet(kPlaySkins.start);
    m_btnInstall.RedrawErased();
    m_bInstalled = TRUE;
    ::SetFocus(m_hWnd);
}

bool CInstallerDlg::ComputeTotalSize(unsigned long long& total)
{
    total = 0;
    for (int i = 0; i < m_sources.GetSize(); ++i) {
        const CString source = ResolveSource(m_sources[i], g_strGamePath);
        CHandle file(::CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (!file.IsValid() || !::GetFileSizeEx(file.Get(), &size)) {
            AddStatusLine(kCannotFindFile, source);
            m_btnInstall.EnableWindow(FALSE);
            return false;
        }
        total += static_cast<unsigned long long>(size.QuadPart);
    }
    return true;
}

BOOL CInstallerDlg::HasEnoughSpace(unsigned long long needed)
{
    ULARGE_INTEGER available{};
    ULARGE_INTEGER capacity{};
    ULARGE_INTEGER free{};
    // Without an answer there is nothing to compare; the copy reports a shortage itself.
    if (!::GetDiskFreeSpaceExA(g_strGamePath, &available, &capacity, &free)) return TRUE;
    return HasRoomFor(needed, free.QuadPart);
}

BOOL CInstallerDlg::CopyFiles()
{
    const CopyLists lists = BuildCopyLists(m_sources, m_dests, g_strGamePath, FileExists);
    if (lists.count == 0) return TRUE;  // nothing to copy is no failure
    SHFILEOPSTRUCTA request{};
    request.hwnd = m_hWnd;
    request.wFunc = FO_COPY;
    request.pFrom = lists.from.GetString();
    request.pTo = lists.to.GetString();
    request.fFlags = kCopyFlags;
    request.fAnyOperationsAborted = FALSE;
    request.hNameMappings = nullptr;
    request.lpszProgressTitle = nullptr;
    return ::SHFileOperationA(&request) == 0;
}

namespace {

// The system's own words for an error code, without the line end they come with.
std::wstring SystemErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring result = text != nullptr ? std::wstring(text, length) : std::wstring();
    ::LocalFree(text);
    while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
    return result;
}

}  // namespace

// False when the launcher could not be started; the user has been told why.
bool CInstallerDlg::StartGame()
{
    ::SetCurrentDirectoryA(g_strGamePath);
    // The full path as the program and a quoted command line, so folders with blanks work.
    const CString launcher = g_strGamePath + "launcher.exe";
    std::string commandLine = "\"" + launcher.Bytes() + "\"";  // the platform may write into it
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(launcher, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, g_strGamePath, &startup,
                          &process)) {
        const DWORD error = ::GetLastError();
        // Enabled before the box, not left to how a box treats an owner that was disabled already.
        EnableWindow(TRUE);
        MessageBox(FillPattern(WidenFixed(kCannotStartGame), WidenSystem(launcher)) + L"\n" + SystemErrorText(error),
                   WidenSystem(GetAppName()), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    CHandle thread(process.hThread);
    CHandle started(process.hProcess);
    return true;
}
