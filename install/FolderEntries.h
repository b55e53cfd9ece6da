// What stands in the installer's own folders inside the game folder: their kind, their entries,
// and their records read whole.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "install/RecoveryRules.h"

struct FolderEntry {
    std::wstring name;
    DWORD attributes;
};

// The entries of a folder (ending in a backslash) that is no link (the caller has made sure).
std::vector<FolderEntry> EntriesOf(const std::wstring& folder);

// Reads an open record whole (at most 64 MiB).
bool ReadWholeFile(HANDLE file, std::string& bytes);

// What stands at a folder path (ending in a backslash), links told apart from folders.
UndoFolderKind KindOf(const std::wstring& folder);

// A plain file (no folder, no link): the only kind the installer puts in its folders.
bool IsPlainFile(const FolderEntry& entry);
