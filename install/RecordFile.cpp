// The installer's records on disk.
#include "install/RecordFile.h"

#include "install/FolderEntries.h"

void FlushFolder(const std::wstring& folder)
{
    CHandle handle(::CreateFileW(folder.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle.IsValid()) ::FlushFileBuffers(handle.Get());
}

DWORD WriteRecordFile(const std::wstring& path, const std::string& bytes, CHandle* held)
{
    CHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD put = 0;
    if (!file.IsValid() || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) ||
        put != static_cast<DWORD>(bytes.size()) || !::FlushFileBuffers(file.Get())) {
        const DWORD error = ::GetLastError() ? ::GetLastError() : ERROR_WRITE_FAULT;
        if (file.IsValid()) {
            file.Close();
            ::DeleteFileW(path.c_str());
        }
        return error;
    }
    if (held) *held = std::move(file);
    return 0;
}

bool ReadRecordFile(const std::wstring& path, std::string& bytes)
{
    CHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    return file.IsValid() && ReadWholeFile(file.Get(), bytes);
}

DWORD DeleteRecordDurably(const std::wstring& folder, const std::wstring& name, const std::function<bool()>& cancel)
{
    const std::wstring path = folder + name;
    DWORD error = 0;
    // Real time, not the sleeps counted: on a busy machine each sleep lasts longer than asked.
    const DWORD start = ::GetTickCount();
    for (;;) {
        error = ::DeleteFileW(path.c_str()) ? 0 : ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) break;
        if (::GetTickCount() - start >= kCommitWaitMs || cancel()) break;
        ::Sleep(kCommitRetryMs);
    }
    if (error != 0) return error;
    // The deletion is the commit only once it is on disk: before that a power cut could bring the
    // record back, and the next start would take back what the user was told had succeeded.
    FlushFolder(folder);
    return 0;
}
