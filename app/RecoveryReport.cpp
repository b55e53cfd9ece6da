// Claiming a game folder and recovering what was cut off there.
#include "app/RecoveryReport.h"

#include "app/Texts.h"
#include "install/GamePaths.h"
#include "install/RestoreFolder.h"
#include "install/RunRecovery.h"
#include "install/UndoFolder.h"
#include "install/UninstallEntry.h"

namespace {

std::wstring WithoutBackslash(const std::wstring& folder)
{
    return folder.substr(0, folder.size() - 1);
}

// The disk work: what a run or a restore cut off left, undone or finished, and the restore point found.
RecoveryReport Recover(bool busy, const std::wstring& gameDir)
{
    RecoveryReport report;
    const auto stop = [&report](const char* text, const std::wstring& argument) {
        report.lines.emplace_back(text, argument);
        report.proceed = false;
        return report;
    };
    switch (busy ? Recovery::Busy : RecoverUnfinishedRun(gameDir)) {
    case Recovery::None:
        break;
    case Recovery::Undone:
        report.lines.emplace_back(kUnfinishedRunUndone, std::wstring());
        break;
    case Recovery::Failed:
        return stop(kUndoUnfinished, std::wstring());
    case Recovery::Busy:
        return stop(kAnotherInstallerRunning, std::wstring());
    case Recovery::Refused:
        return stop(kUndoFolderRefused, WithoutBackslash(UndoFolderOf(gameDir)));
    }
    switch (RecoverUnfinishedRestore(gameDir)) {
    case RestoreRecovery::None:
    case RestoreRecovery::Finished:
        break;
    case RestoreRecovery::Undone:
        report.lines.emplace_back(kUnfinishedRestoreUndone, std::wstring());
        break;
    case RestoreRecovery::Busy:
        return stop(kAnotherInstallerRunning, std::wstring());
    case RestoreRecovery::Failed:
        return stop(kRestoreNotUndone, std::wstring());
    }
    RestorePoint point;
    const RestoreFolderState found = ReadRestoreFolder(gameDir, point);
    if (found == RestoreFolderState::Refused) return stop(kUndoFolderRefused, WithoutBackslash(RestoreFolderOf(gameDir)));
    report.installed = found == RestoreFolderState::Ours;
    report.unlisted = report.installed && !HasUninstallEntry(gameDir);
    return report;
}

}  // namespace

RecoveryReport ClaimAndRecover(CRunClaim& claim, const std::wstring& gameDir, const DiskWorkRunner& run)
{
    // A folder that cannot be claimed (not opened) has no live run of ours in it either.
    const bool busy = claim.Claim(gameDir) == CRunClaim::Result::Busy;
    RecoveryReport report;
    const auto recover = [&] { report = Recover(busy, gameDir); };
    run ? run(recover) : recover();
    return report;
}
