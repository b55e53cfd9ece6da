// The undo folder on disk.
#include "install/UndoFolder.h"

#include "install/FileCopy.h"
#include "install/FolderEntries.h"
#include "install/InstallerFolders.h"
#include "install/RecordFile.h"

bool IsRunFile(const FolderEntry& entry)
{
    return IsPlainFile(entry) && IsRunFileName(entry.name);
}

DWORD CreateUndoFolder(const std::wstring& undoDir, const UndoRecord& record, CHandle& held)
{
    if (!::CreateDirectoryW(undoDir.c_str(), nullptr)) return ::GetLastError();
    const DWORD error = WriteRecordFile(undoDir + WideAscii(kUndoRecordName), SerializeUndoRecord(record), &held);
    if (error != 0) ClearUndoFolder(undoDir);
    return error;
}

DWORD CommitRun(const std::wstring& undoDir, CHandle& held, const std::function<bool()>& cancel)
{
    held.Close();
    return DeleteRecordDurably(undoDir, WideAscii(kUndoRecordName), cancel);
}

void ClearUndoFolder(const std::wstring& undoDir)
{
    // The names a run puts in its undo folder, then the folder if nothing else is left in it.
    for (const FolderEntry& entry : EntriesOf(undoDir)) {
        if (IsRunFile(entry)) DeleteFileAnyway(undoDir + entry.name);
    }
    ::RemoveDirectoryW(undoDir.c_str());
}

bool TakeUndoSteps(const std::vector<UndoStep>& steps, std::vector<char>& buffer)
{
    bool complete = true;
    for (const UndoStep& step : steps) {
        switch (step.op) {
        case UndoOp::DeleteFile:
            complete = DeleteFileAnyway(step.path) == 0 && complete;
            break;
        case UndoOp::MoveBack:
            // Across volumes straight to its place: until the file it comes from is deleted, a
            // copy cut short there is redone by the next try.
            complete = MoveFileSafely(step.from, step.path, std::wstring(), buffer, [](DWORD) { return true; }) == 0 &&
                       complete;
            break;
        case UndoOp::RemoveFolder:
            // Still holding something the run did not put there: that stays, and so does the folder.
            ::RemoveDirectoryW(step.path.c_str());
            break;
        }
    }
    return complete;
}

bool UndoRun(const std::wstring& gameDir, const UndoRecord& record, std::vector<char>& buffer)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    const bool complete = TakeUndoSteps(PlanUndo(record, gameDir, undoDir, PathExists), buffer);
    if (complete) ClearUndoFolder(undoDir);
    return complete;
}
