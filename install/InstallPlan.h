// The install run's decisions: marker resolution, space arithmetic, MB figure.
#pragma once

#include "../framework/String.h"

// True when the source names a file in the game directory ("<GAMEDIR>", any letter case).
bool IsGameDirSource(const CString& source);

// The source with a "<GAMEDIR>" marker (any letter case) replaced by the game directory.
CString ResolveSource(const CString& source, const CString& gameDir);

// The volume has room only when its free bytes are strictly more than needed.
inline bool HasRoomFor(unsigned long long needed, unsigned long long totalFree)
{
    return totalFree > needed;
}

// The pattern with its "%d" replaced by the whole MiB in the byte count, rounded down.
CString FormatMegabytes(const CString& pattern, unsigned long long bytes);
