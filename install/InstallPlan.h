// The install run's decisions: marker resolution, space arithmetic, MB figure.
#pragma once

#include <string>

#include "framework/String.h"

// True when the source names a file in the game directory ("<GAMEDIR>", any letter case): as
// the list's bytes, or as the UTF-16 the copy works with.
bool IsGameDirSource(const CString& source);
bool IsGameDirSource(const std::wstring& source);

// The source with a "<GAMEDIR>" marker (any letter case) replaced by the game directory.
CString ResolveSource(const CString& source, const CString& gameDir);
std::wstring ResolveSource(const std::wstring& source, const std::wstring& gameDir);

// The volume has room only when its free bytes are strictly more than needed.
inline bool HasRoomFor(unsigned long long needed, unsigned long long totalFree)
{
    return totalFree > needed;
}

// The pattern with its "%d" replaced by the whole MiB in the byte count, rounded down.
CString FormatMegabytes(const CString& pattern, unsigned long long bytes);
