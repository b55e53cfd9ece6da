// The undo folder on disk: its record written and held while the run lasts, the commit point,
// undoing a run from its record, and what a start does with an undo folder it finds.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Handle.h"
#include "install/FolderEntries.h"
#include "install/UndoRecord.h"

// Creates the undo folder and writes the record into it, flushed to disk before it returns, since
// every later change relies on it. The record stays open in `held`, shared for reading only, while
// the run lasts: another installer that finds it cannot open it for writing and leaves it alone.
// Returns 0 or the system's error; on an error nothing is left behind.
DWORD CreateUndoFolder(const std::wstring& undoDir, const UndoRecord& record, CHandle& held);

// The commit point: the record deleted, a program that holds it (a virus scanner, an indexer)
// waited out for a few seconds, and the deletion flushed to disk. From then on no start undoes
// the run. Returns 0 or the system's error, and then nothing has changed; cancel() ends the wait.
DWORD CommitRun(const std::wstring& undoDir, CHandle& held, const std::function<bool()>& cancel);

// True for a plain file under a name a run puts in its undo folder.
bool IsRunFile(const FolderEntry& entry);

// After the commit: the replaced originals, then the folder. What cannot go now (a file held open)
// the next start clears.
void ClearUndoFolder(const std::wstring& undoDir);

// Takes the steps in order, each whatever the ones before it did; false when one failed.
bool TakeUndoSteps(const std::vector<UndoStep>& steps, std::vector<char>& buffer);

// Puts back what the run of `record` changed, as far as it got, then clears the undo folder.
// False when something could not be put back: the folder and its record then stay for a later try.
bool UndoRun(const std::wstring& gameDir, const UndoRecord& record, std::vector<char>& buffer);
