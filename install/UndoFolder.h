// The undo folder on disk: its record written and held while the run lasts, the commit point,
// undoing a run from its record, and what a start does with an undo folder it finds.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../framework/Handle.h"
#include "UndoRecord.h"

// Creates the undo folder and writes the record into it, flushed to disk before it returns, since
// every later change relies on it. The record stays open in `held`, shared for reading only, while
// the run lasts: another installer that finds it cannot open it for writing and leaves it alone.
// Returns 0 or the system's error; on an error nothing is left behind.
DWORD CreateUndoFolder(const std::wstring& undoDir, const UndoRecord& record, CHandle& held);

// The commit point: the record deleted, a program that holds it (a virus scanner, an indexer)
// waited out for a few seconds, and the deletion flushed to disk. From then on no start undoes
// the run. Returns 0 or the system's error, and then nothing has changed; cancel() ends the wait.
DWORD CommitRun(const std::wstring& undoDir, CHandle& held, const std::function<bool()>& cancel);

// After the commit: the replaced originals, then the folder. What cannot go now (a file held open)
// the next start clears.
void ClearUndoFolder(const std::wstring& undoDir);

// Puts back what the run of `record` changed, as far as it got, then clears the undo folder.
// False when something could not be put back: the folder and its record then stay for a later try.
bool UndoRun(const std::wstring& gameDir, const UndoRecord& record, std::vector<char>& buffer);

enum class Recovery {
    None,     // no unfinished run, or one that had changed nothing yet
    Undone,   // a run cut off midway was undone
    Failed,   // it could not be undone completely; the undo folder stays
    Busy,     // a live run owns the undo folder
    Refused,  // the undo folder is not one this installer can undo from: nothing was touched
};

// Undoes a run cut off without warning (the process killed, the power lost) in this game folder.
Recovery RecoverUnfinishedRun(const std::wstring& gameDir);
