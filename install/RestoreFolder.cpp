// The restore folder on disk.
#include "install/RestoreFolder.h"

#include "install/FileCopy.h"
#include "install/FolderEntries.h"
#include "install/GamePaths.h"
#include "install/RecordFile.h"
#include "install/UndoFolder.h"
#include "install/UninstallEntry.h"

namespace {

// Moves a file of the installer's within one volume, replacing what an earlier try left there.
bool MoveReplacing(const std::wstring& from, const std::wstring& to)
{
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

enum class JournalState { Missing, Held, Read, Bad };

JournalState ReadJournal(const std::wstring& restoreDir, RestoreJournal& journal)
{
    const std::wstring path = restoreDir + WideAscii(kRestoreJournalName);
    if (!PathExists(path)) return JournalState::Missing;
    CHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid()) return ::GetLastError() == ERROR_SHARING_VIOLATION ? JournalState::Held : JournalState::Bad;
    std::string bytes;
    return ReadWholeFile(file.Get(), bytes) && ParseRestoreJournal(bytes, journal) ? JournalState::Read
                                                                                  : JournalState::Bad;
}

}  // namespace

RestoreFolderState ReadRestoreFolder(const std::wstring& gameDir, RestorePoint& point)
{
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    switch (KindOf(restoreDir)) {
    case UndoFolderKind::Missing:
        return RestoreFolderState::Missing;
    case UndoFolderKind::NotAFolder:
    case UndoFolderKind::Link:
        return RestoreFolderState::Refused;
    case UndoFolderKind::Folder:
        break;
    }
    for (const FolderEntry& entry : EntriesOf(restoreDir)) {
        if (!IsPlainFile(entry) || !IsRestoreFileName(entry.name)) return RestoreFolderState::Refused;
    }
    std::string bytes;
    const std::wstring record = restoreDir + WideAscii(kRestoreRecordName);
    if (!PathExists(record)) return RestoreFolderState::Missing;
    return ReadRecordFile(record, bytes) && ParseRestorePoint(bytes, point) ? RestoreFolderState::Ours
                                                                           : RestoreFolderState::Refused;
}

unsigned long long RestoreFolderBytes(const std::wstring& gameDir)
{
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    unsigned long long bytes = 0;
    for (const FolderEntry& entry : EntriesOf(restoreDir)) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (::GetFileAttributesExW((restoreDir + entry.name).c_str(), GetFileExInfoStandard, &data)) {
            bytes += (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
    }
    return bytes;
}

bool FinishInstall(const std::wstring& gameDir)
{
    const std::wstring undoDir = UndoFolderOf(gameDir);
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    const std::wstring staged = undoDir + WideAscii(kRestoreRecordName);
    std::string bytes;
    RestorePoint point;
    if (!ReadRecordFile(staged, bytes) || !ParseRestorePoint(bytes, point)) return false;
    if (!::CreateDirectoryW(restoreDir.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) return false;
    bool moved = true;
    for (const KeptOriginal& original : OriginalsToKeep(point)) {
        const std::wstring aside = undoDir + AsideName(original.step);
        // Gone from the undo folder: an earlier try moved it already.
        if (PathExists(aside)) moved = MoveReplacing(aside, restoreDir + original.kept) && moved;
    }
    for (const char* kept : {kKeptProgramName, kKeptLibraryName}) {
        const std::wstring name = WideAscii(kept);
        if (PathExists(undoDir + name)) moved = MoveReplacing(undoDir + name, restoreDir + name) && moved;
    }
    // The record last: until it is in place, the restore folder is the earlier install's.
    if (!moved || !MoveReplacing(staged, restoreDir + WideAscii(kRestoreRecordName))) return false;
    FlushFolder(restoreDir);
    ClearUndoFolder(undoDir);
    return true;
}

RestoreRecovery RecoverUnfinishedRestore(const std::wstring& gameDir)
{
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    if (KindOf(restoreDir) != UndoFolderKind::Folder) return RestoreRecovery::None;
    RestoreJournal journal;
    switch (ReadJournal(restoreDir, journal)) {
    case JournalState::Missing:
        break;
    case JournalState::Held:
        return RestoreRecovery::Busy;
    case JournalState::Bad:
        return RestoreRecovery::Failed;
    case JournalState::Read:
        if (!PathExists(restoreDir + WideAscii(kRestoreRecordName))) {
            FinishRestore(gameDir, journal);
            return RestoreRecovery::Finished;
        }
        std::vector<char> buffer;
        return UndoRestore(gameDir, journal, buffer) &&
                       DeleteFileAnyway(restoreDir + WideAscii(kRestoreJournalName)) == 0
                   ? RestoreRecovery::Undone
                   : RestoreRecovery::Failed;
    }
    // A restore that finished all but removing its folder: only the installer's names are left.
    if (!PathExists(restoreDir + WideAscii(kRestoreRecordName))) {
        bool onlyOurs = true;
        for (const FolderEntry& entry : EntriesOf(restoreDir)) {
            onlyOurs = onlyOurs && IsPlainFile(entry) && IsRestoreFileName(entry.name);
        }
        if (onlyOurs) {
            for (const FolderEntry& entry : EntriesOf(restoreDir)) DeleteFileAnyway(restoreDir + entry.name);
            ::RemoveDirectoryW(restoreDir.c_str());
        }
    }
    return RestoreRecovery::None;
}

bool UndoRestore(const std::wstring& gameDir, const RestoreJournal& journal, std::vector<char>& buffer)
{
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    for (const FileMove& move : MovesOf(journal, gameDir, restoreDir)) {
        if (!move.part.empty()) DeleteFileAnyway(move.part);
    }
    return TakeUndoSteps(PlanRestoreReverse(journal, gameDir, restoreDir, PathExists), buffer);
}

void FinishRestoreInGame(const std::wstring& gameDir, const RestoreJournal& journal)
{
    // Still holding something the translation did not put there: that stays, and so does the folder.
    for (const std::wstring& folder : journal.folders) ::RemoveDirectoryW((gameDir + folder).c_str());
    RemoveUninstallEntry(gameDir);
}

void ClearRestoreFolder(const std::wstring& gameDir)
{
    const std::wstring restoreDir = RestoreFolderOf(gameDir);
    std::vector<std::wstring> held;
    for (const FolderEntry& entry : EntriesOf(restoreDir)) {
        if (IsPlainFile(entry) && IsRestoreFileName(entry.name) &&
            !SamePath(entry.name, WideAscii(kRestoreJournalName)) && DeleteFileAnyway(restoreDir + entry.name) != 0) {
            held.push_back(restoreDir + entry.name);
        }
    }
    // A program that has just opened one (a virus scanner, an indexer) is waited out for a while.
    const DWORD start = ::GetTickCount();
    while (!held.empty() && ::GetTickCount() - start < kCommitWaitMs) {
        ::Sleep(kCommitRetryMs);
        std::vector<std::wstring> still;
        for (const std::wstring& file : held) {
            if (DeleteFileAnyway(file) != 0) still.push_back(file);
        }
        held.swap(still);
    }
    // The journal last: until it goes, a start finishes this clearing.
    DeleteFileAnyway(restoreDir + WideAscii(kRestoreJournalName));
    ::RemoveDirectoryW(restoreDir.c_str());
}

void FinishRestore(const std::wstring& gameDir, const RestoreJournal& journal)
{
    FinishRestoreInGame(gameDir, journal);
    ClearRestoreFolder(gameDir);
}
