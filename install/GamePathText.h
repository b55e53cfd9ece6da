// Game directory text: the one backslash every folder path ends in.
#pragma once

#include "../framework/String.h"

// The path with a backslash appended unless it already ends in one (a drive root does).
inline CString WithTrailingBackslash(const CString& path)
{
    if (!path.IsEmpty() && path.GetAt(path.GetLength() - 1) == '\\') return path;
    return path + "\\";
}
