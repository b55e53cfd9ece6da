// The install run's decisions: marker resolution, copy lists, space arithmetic, MB figure.
#pragma once

#include <functional>

#include "../framework/String.h"
#include "../framework/StringArray.h"

// True when the source names a file in the game directory ("<GAMEDIR>", any letter case).
bool IsGameDirSource(const CString& source);

// The source with a "<GAMEDIR>" marker (any letter case) replaced by the game directory.
CString ResolveSource(const CString& source, const CString& gameDir);

// The two NUL-separated lists of one shell copy: every entry ends in a NUL and each list
// ends in one more.
struct CopyLists {
    CString from;
    CString to;
    int count = 0;
};

// Pairs in list order; a "<GAMEDIR>" entry whose destination already exists is left out, so
// a backup is made once and never overwritten. gameDir ends in a backslash.
CopyLists BuildCopyLists(const CStringArray& sources, const CStringArray& dests, const CString& gameDir,
                         const std::function<bool(const CString&)>& exists);

// The volume has room only when its free bytes are strictly more than needed.
inline bool HasRoomFor(unsigned long long needed, unsigned long long totalFree)
{
    return totalFree > needed;
}

// The pattern with its "%d" replaced by the whole MiB in the byte count, rounded down.
CString FormatMegabytes(const CString& pattern, unsigned long long bytes);
