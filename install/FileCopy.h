// Copying one file in chunks, so that a copy can be followed and stopped midway, and the file
// operations the install run and its undo build on. Paths are UTF-16 throughout.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "install/CopyPlan.h"
#include "install/RestorePoint.h"

// Why a copy stopped: the system's error code (0 when it did not) and on which side.
struct CopyError {
    DWORD code = 0;
    bool atSource = false;  // reading `from` failed, not writing `to`
};

// Gets the size of each chunk written; returning false stops the work with ERROR_CANCELLED.
using ChunkCallback = std::function<bool(DWORD)>;

// Copies `from` over `to` (created, or replaced when it exists, whatever its marks), keeping the
// source's time of last change and its read-only, hidden and system marks, and flushes it to disk
// before it returns: the originals it replaces are deleted once the run succeeds, and a power cut
// must not leave a file that was never written in their place. buffer is reused from file to file.
// When `written` is given it gets what was written: size, content hash and time.
CopyError CopyFileInChunks(const std::wstring& from, const std::wstring& to, std::vector<char>& buffer,
                           const ChunkCallback& onChunk, WrittenFile* written = nullptr);

// Whether a file still holds what CopyFileInChunks wrote there (`expected`): the content is only
// read when the size matches and the time does not. A folder, a link or a file that cannot be
// read counts as changed.
FileNow CompareWithWritten(const std::wstring& path, const WrittenFile& expected, std::vector<char>& buffer);

// Deletes a file, whatever its marks; a file that is not there counts as deleted.
DWORD DeleteFileAnyway(const std::wstring& path);

// Moves a file so that `to` is at every moment either the whole file or absent: within one volume
// by renaming it; across volumes (a folder linked to another drive) by copying it to `part` (on
// the volume of `to`, or empty to copy straight to `to`), flushed, renamed to `to`, and only then
// deleting the original. A cancel through onChunk leaves the original where it was.
DWORD MoveFileSafely(const std::wstring& from, const std::wstring& to, const std::wstring& part,
                     std::vector<char>& buffer, const ChunkCallback& onChunk);

// What stands at a path, and whether it is a link (a file's stored name is not asked for).
PathProbe ProbePath(const std::wstring& path);
bool PathExists(const std::wstring& path);
