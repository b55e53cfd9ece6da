// The translation's entry in Windows' list of installed programs (the 32-bit view, one key per
// game folder), whose uninstall command starts the installer kept in the restore point.
#pragma once

#include <windows.h>

#include <string>

// The key's name under ...\CurrentVersion\Uninstall: the same for every spelling of the folder.
std::wstring UninstallKeyName(const std::wstring& gameDir);

// Writes or refreshes the entry. gameDir ends in a backslash; 0 or the system's error.
DWORD WriteUninstallEntry(const std::wstring& gameDir, const std::wstring& displayName,
                          unsigned long long keptBytes);
bool HasUninstallEntry(const std::wstring& gameDir);
// The name the list shows: the first line of the translation's version note, or `fallback` when
// the note has none.
std::wstring DisplayNameFrom(const std::wstring& versionText, const std::wstring& fallback);
void RemoveUninstallEntry(const std::wstring& gameDir);
