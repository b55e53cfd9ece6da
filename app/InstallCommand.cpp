// CInstallerDlg: the Install command (the install run on its worker, its report) and Play.
#include <windows.h>

#include <string>
#include <vector>

#include "app/InstallerDlg.h"
#include "app/RecoveryReport.h"
#include "app/Texts.h"
#include "framework/FileFind.h"
#include "framework/Handle.h"
#include "framework/MessagePump.h"
#include "framework/ModulePath.h"
#include "framework/PathText.h"
#include "framework/SystemErrorText.h"
#include "framework/WaitCursor.h"
#include "framework/WideText.h"
#include "install/CopyEngine.h"
#include "install/GamePaths.h"
#include "install/RestoreFolder.h"
#include "install/UninstallEntry.h"
#include "ui/CopyProgressDlg.h"
#include "ui/Hover.h"
#include "ui/StatusText.h"

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
    bool ran = false;  // the run got past its checks, and its progress window had the top
    CRunClaim claim;  // held until the command ends: the copy, its undo and the commit are this window's
    const CString gameDir = g_strGamePath;
    bool found = false;
    RunDiskWork([&] { found = FileExists(gameDir + "*"); });
    if (!found) {
        AddStatusLine(kNoGameDirectory);
    } else if (!ClaimAndRecover(claim, g_strGamePath).proceed) {
        // Reported: nothing is copied while another installer works here, or over a game that is
        // not yet as it was.
    } else {
        CopyOutcome outcome;
        const bool done = CopyFiles(outcome) != FALSE;
        ran = outcome.result != CopyResult::MissingSource && outcome.result != CopyResult::NoRoom;
        if (done) {
            AddStatusLine(kInstallSucceeded);
            RegisterRestorePoint(WidenSystem(g_strGamePath));
            SwitchToPlay();
            OnInfo();
        } else if (outcome.result == CopyResult::MissingSource) {
            // Install stays disabled: nothing is copied after a missing source.
            AddStatusLine(kCannotFindFile, outcome.path);
            m_btnInstall.EnableWindow(FALSE);
        } else if (outcome.result == CopyResult::NoRoom) {
            AddStatusLine(FormatMegabytes(kNotEnoughSpace, outcome.bytes));
        } else {
            if (outcome.result == CopyResult::Refused) AddStatusLine(kUnsafeDestination, outcome.path);
            AddStatusLine(kInstallFailed);
            if (!outcome.restored) AddStatusLine(kUndoUnfinished);
            // After Storno the game is as it was: trying again is safe.
            if (outcome.result != CopyResult::Cancelled) m_btnInstall.EnableWindow(FALSE);
        }
    }
    EnableWindow(TRUE);
    if (ran) BringToTopAndShow();
    return true;
}

void CInstallerDlg::SwitchToPlay()
{
    m_btnInstall.LoadSkinSet(kPlaySkins.start);
    m_btnInstall.RedrawErased();
    m_bInstalled = TRUE;
    ::SetFocus(m_hWnd);
}

namespace {

// The list's paths as the copy takes them: UTF-16, read from the system code page as the A file
// functions would read them.
std::vector<std::wstring> WidenedAll(const CStringArray& paths)
{
    std::vector<std::wstring> wide;
    wide.reserve(static_cast<std::size_t>(paths.GetSize()));
    for (int i = 0; i < paths.GetSize(); ++i) wide.push_back(WidenSystem(paths[i]));
    return wide;
}

}  // namespace

BOOL CInstallerDlg::CopyFiles(CopyOutcome& outcome)
{
    const std::wstring program = GetModulePathWide();
    InstallRequest request{WidenedAll(m_sources), WidenedAll(m_dests), WidenSystem(g_strGamePath),
                           KeptProgram{program, FolderOfPath(program) + L"fmod.dll"}};
    CopyProgress progress;
    CCopyWorker worker(std::move(request), progress);
    // The plan and its size pass take a while on a long list: the window keeps answering, and the
    // progress window opens only once the run is sure to change the game.
    while (!PumpMessagesUntil(worker.Measured(), kProgressPeriodMs, nullptr)) {
    }
    if (worker.Handle() && ::WaitForSingleObject(worker.Handle(), 0) == WAIT_TIMEOUT) {
        BringToTopAndShow();
        CCopyProgressDlg window(m_hWnd, progress.cancel);
        window.Create();
        while (!PumpMessagesUntil(worker.Handle(), kProgressPeriodMs, window.GetSafeHwnd())) {
            window.Show(worker.NameOf(progress.step.load()), progress.permille.load());
        }
    }
    outcome = worker.Outcome();
    if (outcome.result == CopyResult::Failed) {
        const std::wstring text =
            FillPattern(WidenFixed(kCannotCopyFile), outcome.path) + L"\n" + SystemErrorText(outcome.error);
        MessageBox(text, WidenSystem(GetAppName()), MB_OK | MB_ICONEXCLAMATION);
    }
    return outcome.result == CopyResult::Done;
}

RecoveryReport CInstallerDlg::ClaimAndRecover(CRunClaim& claim, const CString& gameDir)
{
    const std::wstring folder = WidenSystem(gameDir);
    const RecoveryReport report =
        ::ClaimAndRecover(claim, folder, [this](const std::function<void()>& work) { RunDiskWork(work); });
    for (const auto& line : report.lines) AddStatusLine(line.first, line.second);
    // An install cut off after its commit got its restore point only now.
    if (report.proceed && report.unlisted) RegisterRestorePoint(folder);
    return report;
}

void CInstallerDlg::RunDiskWork(const std::function<void()>& work)
{
    if (::IsWindowVisible(m_hWnd)) {
        RunWhileAnswering(work);
    } else {
        work();
    }
}

void CInstallerDlg::RegisterRestorePoint(const std::wstring& gameDir)
{
    const std::wstring name = DisplayNameFrom(WidenFixed(m_strVersionText), WidenFixed(kWindowTitle));
    DWORD error = 0;
    RunDiskWork([&] { error = WriteUninstallEntry(gameDir, name, RestoreFolderBytes(gameDir)); });
    if (error != 0) {
        AddStatusLine(kNoUninstallEntry, RestoreFolderOf(gameDir) + WideAscii(kKeptProgramName));
    }
}

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
