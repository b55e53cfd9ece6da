// The undo folder on disk.
#include "UndoFolder.h"

#include "../framework/WideText.h"
#include "FileCopy.h"
#include "RecoveryRules.h"

namespace {

// How long the commit waits for a program that holds the record, and how often it asks again.
const DWORD kCommitWaitMs = 5000;
const DWORD kCommitRetryMs = 100;

std::wstring RecordPathOf(const std::wstring& undoDir)
{
    return undoDir + WideAscii(kUndoRecordName);
}

struct FolderEntry {
    std::wstring name;
    DWORD attributes;
};

// The entries of a folder that is no link (the caller has made sure).
std::vector<FolderEntry> EntriesOf(const std::wstring& folder)
{
    struct Search {
        HANDLE handle;
        ~Search() { if (handle != INVALID_HANDLE_VALUE) ::FindClose(handle); }
    };
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    Search search{::FindFirstFileW((folder + L"*").c_str(), &found)};
    if (search.handle == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") entries.push_back({name, found.dwFileAttributes});
    } while (::FindNextFileW(search.handle, &found));
    return entries;
}

bool IsRunFile(const FolderEntry& entry)
{
    return !(entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
           IsRunFileName(entry.name);
}

// Removes the names a run puts in its undo folder, then the folder if nothing else is left in it.
void RemoveRunFiles(const std::wstring& undoDir)
{
    for (const FolderEntry& entry : EntriesOf(undoDir)) {
        if (IsRunFile(entry)) DeleteFileAnyway(undoDir + entry.name);
    }
    ::RemoveDirectoryW(undoDir.c_str());
}

bool ReadWholeFile(HANDLE file, std::string& bytes)
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart > (64 << 20)) return false;
    std::string data(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!data.empty() &&
        (!::ReadFile(file, &data[0], static_cast<DWORD>(data.size()), &got, nullptr) || got != data.size())) {
        return false;
    }
    bytes = std::move(data);
    return true;
}

UndoFolderKind KindOf(const std::wstring& undoDir)
{
    // Asked without its trailing backslash: with it, the system answers for a link's target.
    const DWORD attributes = ::GetFileAttributesW(undoDir.substr(0, undoDir.size() - 1).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return UndoFolderKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return UndoFolderKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? UndoFolderKind::Folder : UndoFolderKind::NotAFolder;
}

// Names of the first version's records were bytes of the system code page.
bool LegacyName(const std::string& bytes, std::wstring& name)
{
    name = WidenSystem(CString(bytes));
    return true;
}

}  // namespace

DWORD CreateUndoFolder(const std::wstring& undoDir, const UndoRecord& record, CHandle& held)
{
    if (!::CreateDirectoryW(undoDir.c_str(), nullptr)) return ::GetLastError();
    const std::string bytes = SerializeUndoRecord(record);
    CHandle file(::CreateFileW(RecordPathOf(undoDir).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD put = 0;
    if (!file.IsValid() ||
        !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) ||
        put != static_cast<DWORD>(bytes.size()) || !::FlushFileBuffers(file.Get())) {
        const DWORD error = ::GetLastError() ? ::GetLastError() : ERROR_WRITE_FAULT;
        file.Close();
        RemoveRunFiles(undoDir);
        return error;
    }
    held = std::move(file);
    return 0;
}

DWORD CommitRun(const std::wstring& undoDir, CHandle& held, const std::function<bool()>& cancel)
{
    held.Close();
    const std::wstring recordPath = RecordPathOf(undoDir);
    DWORD error = 0;
    for (DWORD waited = 0;; waited += kCommitRetryMs) {
        error = ::DeleteFileW(recordPath.c_str()) ? 0 : ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) break;
        if (waited >= kCommitWaitMs || cancel()) break;
        ::Sleep(kCommitRetryMs);
    }
    if (error != 0) return error;
    // The deletion is the commit only once it is on disk: before that a power cut could bring the
    // record back, and the next start would undo a run the user was told had succeeded.
    CHandle folder(::CreateFileW(undoDir.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (folder.IsValid()) ::FlushFileBuffers(folder.Get());
    return 0;
}

void ClearUndoFolder(const std::wstring& undoDir)
{
    RemoveRunFiles(undoDir);
}

bool UndoRun(const std::wstring& gameDir, const UndoRecord& record, std::vector<char>& buffer)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    bool complete = true;
    for (const UndoStep& step : PlanUndo(record, gameDir, undoDir, PathExists)) {
        switch (step.op) {
        case UndoOp::DeleteFile:
            complete = DeleteFileAnyway(step.path) == 0 && complete;
            break;
        case UndoOp::MoveBack:
            // Across volumes straight to its place: until the original in the undo folder is
            // deleted, a copy cut short there is redone by the next try.
            complete = MoveFileSafely(step.from, step.path, std::wstring(), buffer, [](DWORD) { return true; }) == 0 &&
                       complete;
            break;
        case UndoOp::RemoveFolder:
            // Still holding something the run did not put there: that stays, and so does the folder.
            ::RemoveDirectoryW(step.path.c_str());
            break;
        }
    }
    if (complete) RemoveRunFiles(undoDir);
    return complete;
}

Recovery RecoverUnfinishedRun(const std::wstring& gameDir)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    UndoFolderFacts facts;
    facts.folder = KindOf(undoDir);
    std::string bytes;
    UndoRecord record;
    if (facts.folder == UndoFolderKind::Folder) {
        const std::vector<FolderEntry> entries = EntriesOf(undoDir);
        facts.onlyRunFiles = true;
        for (const FolderEntry& entry : entries) facts.onlyRunFiles = facts.onlyRunFiles && IsRunFile(entry);
        const std::wstring recordPath = RecordPathOf(undoDir);
        // Shared for reading only: a live run, which holds it open for writing, makes this fail.
        CHandle file(::CreateFileW(recordPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        const DWORD attributes = ::GetFileAttributesW(recordPath.c_str());
        if (file.IsValid()) {
            const bool plain = attributes != INVALID_FILE_ATTRIBUTES &&
                               !(attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY));
            facts.record = plain && ReadWholeFile(file.Get(), bytes) ? RecordState::Read : RecordState::Unreadable;
        } else {
            const DWORD error = ::GetLastError();
            facts.record = error == ERROR_SHARING_VIOLATION ? RecordState::Held
                           : attributes == INVALID_FILE_ATTRIBUTES ? RecordState::Missing
                                                                   : RecordState::Unreadable;
        }
        if (facts.record == RecordState::Read) facts.check = ParseUndoRecord(bytes, record, LegacyName);
        facts.recordAlone = entries.size() == 1 && facts.record == RecordState::Read;
    }
    switch (DecideRecovery(facts)) {
    case RecoveryAction::Nothing:
        return Recovery::None;
    case RecoveryAction::Busy:
        return Recovery::Busy;
    case RecoveryAction::Refuse:
        return Recovery::Refused;
    case RecoveryAction::ClearLeftovers:
        RemoveRunFiles(undoDir);
        return Recovery::None;
    case RecoveryAction::Undo:
        break;
    }
    std::vector<char> buffer;
    return UndoRun(gameDir, record, buffer) ? Recovery::Undone : Recovery::Failed;
}
