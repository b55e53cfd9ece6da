// The undo folder on disk: its record written once and flushed, undoing a run from it, and
// clearing it away once a run has succeeded.
#pragma once

#include <windows.h>

#include <vector>

#include "../framework/String.h"
#include "UndoRecord.h"

// The undo folder of a game folder (both end in a backslash).
CString UndoFolderOf(const CString& gameDir);

// Creates the undo folder and writes the record into it, flushed to disk before it returns,
// since every later change relies on it. Returns 0 or the system's error; on an error nothing
// is left behind.
DWORD WriteUndoRecord(const CString& undoDir, const UndoRecord& record);

// Puts back what the run of `record` changed, as far as it got, then removes the undo folder.
// False when something could not be put back: the folder and its record then stay for a later try.
bool UndoRun(const CString& gameDir, const UndoRecord& record, std::vector<char>& buffer);

// After a successful run: the record goes first (from then on nothing is to be undone), then the
// replaced originals, then the folder.
void ClearUndoFolder(const CString& undoDir);

enum class Recovery {
    None,    // no unfinished run, or one that had changed nothing yet
    Undone,  // a run cut off midway was undone
    Failed,  // it could not be undone completely; the undo folder stays
};

// Undoes a run cut off without warning (the process killed, the power lost) in this game folder.
Recovery RecoverUnfinishedRun(const CString& gameDir);
