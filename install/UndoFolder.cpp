// The undo folder on disk.
#include "UndoFolder.h"

#include "../framework/WideText.h"
#include "FileCopy.h"
#include "FolderEntries.h"
#include "RestoreFolder.h"
#include "RecoveryRules.h"

namespace {

std::wstring RecordPathOf(const std::wstring& undoDir)
{
    return undoDir + WideAscii(kUndoRecordName);
}

bool IsRunFile(const FolderEntry& entry)
{
    return IsPlainFile(entry) && IsRunFileName(entry.name);
}

// Removes the names a run puts in its undo folder, then the folder if nothing else is left in it.
void RemoveRunFiles(const std::wstring& undoDir)
{
    for (const FolderEntry& entry : EntriesOf(undoDir)) {
        if (IsRunFile(entry)) DeleteFileAnyway(undoDir + entry.name);
    }
    ::RemoveDirectoryW(undoDir.c_str());
}

// Names of the first version's records were bytes of the system code page.
bool LegacyName(const std::string& bytes, std::wstring& name)
{
    name = WidenSystem(CString(bytes));
    return true;
}

}  // namespace

DWORD CreateUndoFolder(const std::wstring& undoDir, const UndoRecord& record, CHandle& held)
{
    if (!::CreateDirectoryW(undoDir.c_str(), nullptr)) return ::GetLastError();
    const DWORD error = WriteRecordFile(RecordPathOf(undoDir), SerializeUndoRecord(record), &held);
    if (error != 0) RemoveRunFiles(undoDir);
    return error;
}

DWORD CommitRun(const std::wstring& undoDir, CHandle& held, const std::function<bool()>& cancel)
{
    held.Close();
    return DeleteRecordDurably(undoDir, WideAscii(kUndoRecordName), cancel);
}

void ClearUndoFolder(const std::wstring& undoDir)
{
    RemoveRunFiles(undoDir);
}

bool UndoRun(const std::wstring& gameDir, const UndoRecord& record, std::vector<char>& buffer)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    bool complete = true;
    for (const UndoStep& step : PlanUndo(record, gameDir, undoDir, PathExists)) {
        switch (step.op) {
        case UndoOp::DeleteFile:
            complete = DeleteFileAnyway(step.path) == 0 && complete;
            break;
        case UndoOp::MoveBack:
            // Across volumes straight to its place: until the original in the undo folder is
            // deleted, a copy cut short there is redone by the next try.
            complete = MoveFileSafely(step.from, step.path, std::wstring(), buffer, [](DWORD) { return true; }) == 0 &&
                       complete;
            break;
        case UndoOp::RemoveFolder:
            // Still holding something the run did not put there: that stays, and so does the folder.
            ::RemoveDirectoryW(step.path.c_str());
            break;
        }
    }
    if (complete) RemoveRunFiles(undoDir);
    return complete;
}

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
        const std::wstring recordPath = RecordPathOf(undoDir);
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
        RemoveRunFiles(undoDir);
        return Recovery::None;
    case RecoveryAction::FinishCommit:
        return FinishInstall(gameDir) ? Recovery::None : Recovery::Failed;
    case RecoveryAction::Undo:
        break;
    }
    std::vector<char> buffer;
    return UndoRun(gameDir, record, buffer) ? Recovery::Undone : Recovery::Failed;
}
