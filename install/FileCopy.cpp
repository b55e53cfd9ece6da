// Copying one file in chunks, and the file operations of the install run and its undo.
#include "install/FileCopy.h"

#include "framework/Handle.h"
#include "install/ContentHash.h"

namespace {

const std::size_t kChunkBytes = 1 << 20;
const DWORD kKeptMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

unsigned long long TimeOf(const FILETIME& time)
{
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

DWORD LastErrorOr(DWORD fallback)
{
    const DWORD error = ::GetLastError();
    return error ? error : fallback;
}

CHandle CreateTarget(const std::wstring& to)
{
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;
    CHandle target(::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, flags, nullptr));
    if (target.IsValid() || ::GetLastError() != ERROR_ACCESS_DENIED) return target;
    // A file the same run wrote before, kept read-only, hidden or system like its source: Windows
    // refuses to replace it until its marks are gone.
    const DWORD marks = ::GetFileAttributesW(to.c_str());
    if (marks == INVALID_FILE_ATTRIBUTES || !(marks & kKeptMarks) || (marks & FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return target;
    }
    ::SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    return CHandle(::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, flags, nullptr));
}

}  // namespace

CopyError CopyFileInChunks(const std::wstring& from, const std::wstring& to, std::vector<char>& buffer,
                           const ChunkCallback& onChunk, WrittenFile* written)
{
    CHandle source(::CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    // Time and marks through the two cheap queries: under Wine the one that answers both costs
    // about 0.6 ms a file, more than copying a small file.
    FILETIME lastWrite{};
    const DWORD marks = ::GetFileAttributesW(from.c_str());
    if (!source.IsValid() || !::GetFileTime(source.Get(), nullptr, nullptr, &lastWrite)) {
        return {LastErrorOr(ERROR_OPEN_FAILED), true};
    }
    CHandle target = CreateTarget(to);
    if (!target.IsValid()) return {LastErrorOr(ERROR_OPEN_FAILED), false};
    if (buffer.size() < kChunkBytes) buffer.resize(kChunkBytes);
    CContentHash hash;
    unsigned long long size = 0;
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(source.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
            return {LastErrorOr(ERROR_READ_FAULT), true};
        }
        if (got == 0) break;
        DWORD put = 0;
        if (!::WriteFile(target.Get(), buffer.data(), got, &put, nullptr)) return {LastErrorOr(ERROR_WRITE_FAULT), false};
        if (put != got) return {ERROR_DISK_FULL, false};
        if (written) hash.Add(buffer.data(), got);
        size += got;
        if (!onChunk(got)) return {ERROR_CANCELLED, false};
    }
    ::SetFileTime(target.Get(), nullptr, nullptr, &lastWrite);
    // The marks go on while the file is still open, so that the flush takes them to disk too.
    if (marks != INVALID_FILE_ATTRIBUTES && (marks & kKeptMarks)) ::SetFileAttributesW(to.c_str(), marks & kKeptMarks);
    if (!::FlushFileBuffers(target.Get())) return {LastErrorOr(ERROR_WRITE_FAULT), false};
    if (written) *written = WrittenFile{size, hash.Value(), TimeOf(lastWrite)};
    return {};
}

FileNow CompareWithWritten(const std::wstring& path, const WrittenFile& expected, std::vector<char>& buffer)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileNow::Missing
                                                                             : FileNow::Changed;
    }
    const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if ((data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) || size != expected.size) {
        return FileNow::Changed;
    }
    // Whatever writes a file moves its time on; a file with the size and the time it was written
    // with is taken as written without reading it, which keeps a restore to renames.
    if (TimeOf(data.ftLastWriteTime) == expected.time) return FileNow::AsWritten;
    CHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsValid()) return FileNow::Changed;
    if (buffer.size() < kChunkBytes) buffer.resize(kChunkBytes);
    CContentHash hash;
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
        hash.Add(buffer.data(), got);
    }
    return hash.Value() == expected.hash ? FileNow::AsWritten : FileNow::Changed;
}

DWORD DeleteFileAnyway(const std::wstring& path)
{
    if (::DeleteFileW(path.c_str())) return 0;
    DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return 0;
    if (error == ERROR_ACCESS_DENIED && ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL)) {
        if (::DeleteFileW(path.c_str())) return 0;
        error = ::GetLastError();
    }
    return error;
}

DWORD MoveFileSafely(const std::wstring& from, const std::wstring& to, const std::wstring& part,
                     std::vector<char>& buffer, const ChunkCallback& onChunk)
{
    // No MOVEFILE_COPY_ALLOWED: across volumes the system would copy under the final name, and a
    // copy cut short there would pass for the whole file.
    if (::MoveFileExW(from.c_str(), to.c_str(), 0)) return 0;
    const DWORD error = ::GetLastError();
    if (error != ERROR_NOT_SAME_DEVICE) return error;
    const std::wstring& copy = part.empty() ? to : part;
    DWORD result = CopyFileInChunks(from, copy, buffer, onChunk).code;
    if (result == 0 && copy != to && !::MoveFileExW(copy.c_str(), to.c_str(), 0)) {
        result = LastErrorOr(ERROR_WRITE_FAULT);
    }
    if (result != 0) {
        DeleteFileAnyway(copy);
        return result;
    }
    return DeleteFileAnyway(from);
}

PathProbe ProbePath(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathProbe{};
    const PathState state = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathState::Folder : PathState::File;
    return PathProbe{state, (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0, std::wstring()};
}

bool PathExists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
