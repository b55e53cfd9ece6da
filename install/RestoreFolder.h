// The restore folder on disk: reading the restore point, keeping a committed run's originals in
// it, and what a start does with a restore that was cut off.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Handle.h"
#include "install/RestorePoint.h"

enum class RestoreFolderState {
    Missing,  // no restore point
    Ours,     // a restore point of ours, read whole
    Refused,  // something else stands there (a link, a file, names or a record not ours): never touched
};

RestoreFolderState ReadRestoreFolder(const std::wstring& gameDir, RestorePoint& point);
// What the restore folder holds, in bytes: what keeping the originals costs on disk.
unsigned long long RestoreFolderBytes(const std::wstring& gameDir);

// After an install's commit: the originals the staged restore point keeps go from the undo folder
// into the restore folder, then the record, then the undo folder is cleared. Run again after a
// cut-off it finishes the same work. False when something could not be moved (the undo folder
// then stays, and the next start tries again).
bool FinishInstall(const std::wstring& gameDir);

// Moves back what a restore of `journal` changed, as far as it got; false when something could
// not be put back (the journal then stays for a later try).
bool UndoRestore(const std::wstring& gameDir, const RestoreJournal& journal, std::vector<char>& buffer);

enum class RestoreRecovery { None, Undone, Finished, Busy, Failed };

// A restore cut off without warning: undone when it had not committed, finished when it had.
RestoreRecovery RecoverUnfinishedRestore(const std::wstring& gameDir);

// After a restore's commit: the folders the translation created (when empty) and the list entry;
// then, in the restore folder, the translation's files moved aside, the originals left over, the
// kept program, the journal and the folder. Best effort: what is held open stays for the next start.
void FinishRestoreInGame(const std::wstring& gameDir, const RestoreJournal& journal);
void ClearRestoreFolder(const std::wstring& gameDir);
void FinishRestore(const std::wstring& gameDir, const RestoreJournal& journal);
