// The undo folder on disk.
#include "UndoFolder.h"

#include <string>

#include "../framework/Handle.h"
#include "FileCopy.h"

namespace {

bool ReadWholeFile(const CString& path, CString& bytes)
{
    CHandle file(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file.IsValid() || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart > (64 << 20)) return false;
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!data.empty() && (!::ReadFile(file.Get(), &data[0], static_cast<DWORD>(data.size()), &got, nullptr) ||
                          got != data.size())) {
        return false;
    }
    bytes = CString(std::move(data));
    return true;
}

struct FolderEntry {
    CString name;
    bool folder;
};

std::vector<FolderEntry> EntriesOf(const CString& folder)
{
    struct Search {
        HANDLE handle;
        ~Search() { if (handle != INVALID_HANDLE_VALUE) ::FindClose(handle); }
    };
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found{};
    Search search{::FindFirstFileA(folder + "*", &found)};
    if (search.handle == INVALID_HANDLE_VALUE) return entries;
    do {
        const CString name(found.cFileName);
        if (name != "." && name != "..") entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (::FindNextFileA(search.handle, &found));
    return entries;
}

// Removes the folder with every file left in it (originals no longer wanted, a record, a part).
void RemoveFolderAndFiles(const CString& undoDir)
{
    for (const FolderEntry& entry : EntriesOf(undoDir)) {
        if (!entry.folder) DeleteFileAnyway(undoDir + entry.name);
    }
    ::RemoveDirectoryA(undoDir);
}

bool HoldsOnly(const CString& folder, const char* name)
{
    const std::vector<FolderEntry> entries = EntriesOf(folder);
    return entries.size() == 1 && entries.front().name == name;
}

}  // namespace

CString UndoFolderOf(const CString& gameDir)
{
    return gameDir + kUndoFolderName + "\\";
}

DWORD WriteUndoRecord(const CString& undoDir, const UndoRecord& record)
{
    if (!::CreateDirectoryA(undoDir, nullptr)) return ::GetLastError();
    const CString bytes = SerializeUndoRecord(record);
    const CString path = undoDir + kUndoRecordName;
    DWORD error = 0;
    {
        CHandle file(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD put = 0;
        if (!file.IsValid() ||
            !::WriteFile(file.Get(), bytes.GetString(), static_cast<DWORD>(bytes.GetLength()), &put, nullptr) ||
            put != static_cast<DWORD>(bytes.GetLength()) || !::FlushFileBuffers(file.Get())) {
            error = ::GetLastError() ? ::GetLastError() : ERROR_WRITE_FAULT;
        }
    }
    if (error) RemoveFolderAndFiles(undoDir);
    return error;
}

bool UndoRun(const CString& gameDir, const UndoRecord& record, std::vector<char>& buffer)
{
    const CString undoDir = UndoFolderOf(gameDir);
    bool complete = true;
    for (const UndoStep& step : PlanUndo(record, gameDir, undoDir, PathExists)) {
        switch (step.op) {
        case UndoOp::DeleteFile:
            complete = DeleteFileAnyway(step.path) == 0 && complete;
            break;
        case UndoOp::MoveBack:
            complete = MoveFileSafely(step.from, step.path, buffer) == 0 && complete;
            break;
        case UndoOp::RemoveFolder:
            // Still holding something the run did not put there: that stays, and so does the folder.
            ::RemoveDirectoryA(step.path);
            break;
        }
    }
    if (complete) RemoveFolderAndFiles(undoDir);
    return complete;
}

void ClearUndoFolder(const CString& undoDir)
{
    // While the record stands, the originals must stay with it: a later start would undo from it.
    if (DeleteFileAnyway(undoDir + kUndoRecordName) == 0) RemoveFolderAndFiles(undoDir);
}

Recovery RecoverUnfinishedRun(const CString& gameDir)
{
    const CString undoDir = UndoFolderOf(gameDir);
    if (ProbePath(undoDir) != PathState::Folder) return Recovery::None;
    const CString recordPath = undoDir + kUndoRecordName;
    if (!PathExists(recordPath)) {
        // The run had succeeded and was clearing up, or it stopped before its first change.
        RemoveFolderAndFiles(undoDir);
        return Recovery::None;
    }
    CString bytes;
    UndoRecord record;
    if (!ReadWholeFile(recordPath, bytes)) return Recovery::Failed;
    if (!ParseUndoRecord(bytes, record)) {
        // A record cut short was being written when the run stopped: it had changed nothing yet.
        // Anything beside it means otherwise, and is kept.
        if (!HoldsOnly(undoDir, kUndoRecordName)) return Recovery::Failed;
        RemoveFolderAndFiles(undoDir);
        return Recovery::None;
    }
    std::vector<char> buffer;
    return UndoRun(gameDir, record, buffer) ? Recovery::Undone : Recovery::Failed;
}
