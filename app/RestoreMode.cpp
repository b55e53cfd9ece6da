// The restore mode: no installer window, a question, the progress window, a final message.
#include "app/RestoreMode.h"

#include <windows.h>

#include "app/RecoveryReport.h"
#include "app/Texts.h"
#include "framework/Handle.h"
#include "framework/MessagePump.h"
#include "framework/ModulePath.h"
#include "framework/PathText.h"
#include "framework/SystemErrorText.h"
#include "framework/WideText.h"
#include "install/GamePaths.h"
#include "install/GameRegistry.h"
#include "install/RestorePoint.h"
#include "install/ProgramCopy.h"
#include "install/RestoreRun.h"
#include "install/RunClaim.h"
#include "ui/CopyProgressDlg.h"
#include "ui/StatusText.h"

namespace {

// How long the copy outside the game folder waits for the kept installer to end.
const DWORD kParentWaitMs = 30000;

int Say(const std::wstring& text, UINT icon)
{
    return ::MessageBoxW(nullptr, text.c_str(), WidenSystem(GetAppName()).c_str(), MB_OK | icon);
}

// The game folder: named on the command line, the one the kept installer sits in, or the one the
// game's registry value names.
std::wstring GameFolderOf(const RestoreCommand& command, const std::wstring& programDir)
{
    if (!command.gameDir.empty()) return command.gameDir;
    const std::wstring folder = programDir.substr(0, programDir.size() - 1);
    const std::size_t slash = folder.find_last_of(L'\\');
    if (slash != std::wstring::npos && SamePath(folder.substr(slash + 1), WideAscii(kRestoreFolderName))) {
        return folder.substr(0, slash + 1);
    }
    CString registered;
    if (!ReadGamePathValue(registered)) return std::wstring();
    std::wstring gameDir = WidenSystem(registered);
    if (!gameDir.empty() && gameDir.back() != L'\\') gameDir += L'\\';
    return gameDir;
}

// The installer kept in the restore folder cannot delete itself while it runs: a copy in the
// temporary folder does the restore, after this process has ended. False when no copy could start.
bool HandOverToCopy(const std::wstring& program, const std::wstring& gameDir)
{
    const std::wstring copy = CopyProgramToTemp(program);
    if (copy.empty()) return false;
    const std::wstring folder = FolderOfPath(copy);
    std::wstring commandLine = RestoreCommandLine(copy, gameDir, ::GetCurrentProcessId());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process)) {
        return false;
    }
    CHandle thread(process.hThread);
    CHandle started(process.hProcess);
    return true;
}

// What the user is told at the end; the icon goes with it.
std::wstring OutcomeText(const RestoreOutcome& outcome, const std::wstring& gameDir, UINT& icon)
{
    icon = MB_ICONEXCLAMATION;
    switch (outcome.result) {
    case RestoreResult::Done: {
        icon = MB_ICONINFORMATION;
        std::wstring text = WidenFixed(kRestoreDone);
        if (!outcome.leftAlone.empty()) text += L"\n\n" + WidenFixed(kLeftAlone);
        for (const std::wstring& file : outcome.leftAlone) text += L"\n" + file;
        return text;
    }
    case RestoreResult::Missing:
        return FillPattern(WidenFixed(kNothingToRestore), gameDir);
    case RestoreResult::Refused:
        return FillPattern(WidenFixed(kUndoFolderRefused), outcome.path);
    case RestoreResult::Cancelled:
    case RestoreResult::Failed:
        break;
    }
    std::wstring text;
    if (outcome.result == RestoreResult::Failed) {
        text = FillPattern(WidenFixed(kCannotMoveFile), outcome.path) + L"\n" + SystemErrorText(outcome.error) + L"\n\n";
    }
    return text + WidenFixed(outcome.restored ? kRestoreStopped : kRestoreNotUndone);
}

RestoreOutcome RestoreWithProgress(const std::wstring& gameDir)
{
    CopyProgress progress;
    CCopyProgressDlg window(nullptr, progress.cancel);
    window.Create();
    CRestoreWorker worker(gameDir, progress);
    while (worker.Handle() && !PumpMessagesUntil(worker.Decided(), kProgressPeriodMs, window.GetSafeHwnd())) {
        window.Show(worker.NameOf(progress.step.load()), progress.permille.load());
    }
    window.DestroyWindow();
    // Told while the restore folder is cleared behind the message; the process ends after both.
    UINT icon = 0;
    Say(OutcomeText(worker.Outcome(), gameDir, icon), icon);
    return worker.Outcome();
}

// Nothing may start over a game folder another installer works in, or that holds an unfinished run.
bool ReadyForRestore(const std::wstring& gameDir, CRunClaim& claim)
{
    const RecoveryReport report = ClaimAndRecover(claim, gameDir);
    if (report.proceed) return true;
    std::wstring text;
    for (const auto& line : report.lines) {
        text += (text.empty() ? L"" : L"\n") + FillPattern(WidenFixed(line.first), line.second);
    }
    Say(text, MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

int RunRestoreMode(const RestoreCommand& command)
{
    const std::wstring program = GetModulePathWide();
    const std::wstring gameDir = GameFolderOf(command, FolderOfPath(program));
    if (gameDir.empty()) {
        Say(FillPattern(WidenFixed(kNothingToRestore), FolderOfPath(program)), MB_ICONEXCLAMATION);
        return 2;
    }
    if (command.after == 0 && SamePath(FolderOfPath(program), RestoreFolderOf(gameDir)) && HandOverToCopy(program, gameDir)) {
        return 0;
    }
    if (command.after != 0) {
        CHandle parent(::OpenProcess(SYNCHRONIZE, FALSE, command.after));
        if (parent.IsValid()) ::WaitForSingleObject(parent.Get(), kParentWaitMs);
    }
    int code = 1;
    if (::MessageBoxW(nullptr, WidenFixed(kRestoreQuestion).c_str(), WidenSystem(GetAppName()).c_str(),
                      MB_YESNO | MB_ICONQUESTION) == IDYES) {
        CRunClaim claim;
        if (ReadyForRestore(gameDir, claim)) {
            code = RestoreWithProgress(gameDir).result == RestoreResult::Done ? 0 : 1;
        }
    }
    if (command.after != 0) ForgetCopyOnRestart(program);
    return code;
}
