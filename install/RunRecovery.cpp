// What a start does with an install run it finds unfinished.
#include "install/RunRecovery.h"

#include "framework/WideText.h"
#include "install/FileCopy.h"
#include "install/FolderEntries.h"
#include "install/RecordFile.h"
#include "install/RecoveryRules.h"
#include "install/RestoreFolder.h"
#include "install/UndoFolder.h"

namespace {

// Names of the first version's records were bytes of the system code page.
bool LegacyName(const std::string& bytes, std::wstring& name)
{
    name = WidenSystem(CString(bytes));
    return true;
}

}  // namespace

Recovery RecoverUnfinishedRun(const std::wstring& gameDir)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    UndoFolderFacts facts;
    facts.folder = KindOf(undoDir);
    std::string bytes;
    UndoRecord record;
    if (facts.folder == UndoFolderKind::Folder) {
        const std::vector<FolderEntry> entries = EntriesOf(undoDir);
        facts.onlyRunFiles = true;
        for (const FolderEntry& entry : entries) facts.onlyRunFiles = facts.onlyRunFiles && IsRunFile(entry);
        const std::wstring recordPath = undoDir + WideAscii(kUndoRecordName);
        // Shared for reading only: a live run, which holds it open for writing, makes this fail.
        CHandle file(::CreateFileW(recordPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        const DWORD attributes = ::GetFileAttributesW(recordPath.c_str());
        if (file.IsValid()) {
            const bool plain = attributes != INVALID_FILE_ATTRIBUTES &&
                               !(attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY));
            facts.record = plain && ReadWholeFile(file.Get(), bytes) ? RecordState::Read : RecordState::Unreadable;
        } else {
            const DWORD error = ::GetLastError();
            facts.record = error == ERROR_SHARING_VIOLATION ? RecordState::Held
                           : attributes == INVALID_FILE_ATTRIBUTES ? RecordState::Missing
                                                                   : RecordState::Unreadable;
        }
        if (facts.record == RecordState::Read) facts.check = ParseUndoRecord(bytes, record, LegacyName);
        facts.recordAlone = entries.size() == 1 && facts.record == RecordState::Read;
        std::string staged;
        RestorePoint point;
        if (PathExists(undoDir + WideAscii(kRestoreRecordName))) {
            const bool whole = ReadRecordFile(undoDir + WideAscii(kRestoreRecordName), staged) &&
                               ParseRestorePoint(staged, point);
            facts.staged = whole ? UndoFolderFacts::Staged::Whole : UndoFolderFacts::Staged::Bad;
        }
    }
    switch (DecideRecovery(facts)) {
    case RecoveryAction::Nothing:
        return Recovery::None;
    case RecoveryAction::Busy:
        return Recovery::Busy;
    case RecoveryAction::Refuse:
        return Recovery::Refused;
    case RecoveryAction::ClearLeftovers:
        ClearUndoFolder(undoDir);
        return Recovery::None;
    case RecoveryAction::FinishCommit:
        return FinishInstall(gameDir) ? Recovery::None : Recovery::Failed;
    case RecoveryAction::Undo:
        break;
    }
    std::vector<char> buffer;
    return UndoRun(gameDir, record, buffer) ? Recovery::Undone : Recovery::Failed;
}
