// The installer's records on disk (the undo record, the restore point, the restore's journal):
// written whole and flushed, read back, and deleted so that the deletion itself is on disk.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/Handle.h"

// How long the installer waits for a program that holds one of its files (a virus scanner, an
// indexer), and how often it asks again.
const DWORD kCommitWaitMs = 5000;
const DWORD kCommitRetryMs = 100;

// Flushes a folder's entries (a creation, a rename, a deletion in it) to disk.
void FlushFolder(const std::wstring& folder);

// Writes a record into `folder` under `name`, created new and flushed; `held` keeps it open,
// shared for reading only, when given. Returns 0 or the system's error.
DWORD WriteRecordFile(const std::wstring& path, const std::string& bytes, CHandle* held);
// Reads a record of ours (at most 64 MiB); false when it cannot.
bool ReadRecordFile(const std::wstring& path, std::string& bytes);

// Deletes a record so that the deletion is on disk when it returns, waiting a few seconds for a
// program that holds it (a virus scanner, an indexer). 0 or the system's error; cancel() ends the wait.
DWORD DeleteRecordDurably(const std::wstring& folder, const std::wstring& name, const std::function<bool()>& cancel);
