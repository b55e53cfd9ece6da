// Copying one file in chunks, so that a copy can be followed and stopped midway, and the file
// operations the install run and its undo build on.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "../framework/String.h"
#include "CopyPlan.h"

// Why a copy stopped: the system's error code (0 when it did not) and on which side.
struct CopyError {
    DWORD code = 0;
    bool atSource = false;  // reading `from` failed, not writing `to`
};

// Copies `from` over `to` (created, or replaced when it exists, read-only or not), keeping the
// source's time of last change and its read-only, hidden and system marks. After each chunk
// written, onChunk gets its size; returning false stops the copy with ERROR_CANCELLED. buffer is
// reused from file to file.
CopyError CopyFileInChunks(const CString& from, const CString& to, std::vector<char>& buffer,
                           const std::function<bool(DWORD)>& onChunk);

// Deletes a file, read-only or not; a file that is not there counts as deleted.
DWORD DeleteFileAnyway(const CString& path);

// Moves a file within one volume by renaming it; across volumes (a folder linked to another
// drive) it copies it to `to` first, complete, and only then deletes the original.
DWORD MoveFileSafely(const CString& from, const CString& to, std::vector<char>& buffer);

// What stands at a path: nothing, a file or a folder.
PathState ProbePath(const CString& path);
bool PathExists(const CString& path);
