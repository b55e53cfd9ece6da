// The installer's own folders as they stand on disk.
#include "install/FolderEntries.h"

#include "framework/Handle.h"

// The entries of a folder that is no link (the caller has made sure).
std::vector<FolderEntry> EntriesOf(const std::wstring& folder)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const CFindHandle search(::FindFirstFileW((folder + L"*").c_str(), &found));
    if (!search.IsValid()) return entries;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") entries.push_back({name, found.dwFileAttributes});
    } while (::FindNextFileW(search.Get(), &found));
    return entries;
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

UndoFolderKind KindOf(const std::wstring& folder)
{
    // Asked without its trailing backslash: with it, the system answers for a link's target.
    const DWORD attributes = ::GetFileAttributesW(folder.substr(0, folder.size() - 1).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return UndoFolderKind::Missing;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return UndoFolderKind::Link;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? UndoFolderKind::Folder : UndoFolderKind::NotAFolder;
}


bool IsPlainFile(const FolderEntry& entry)
{
    return !(entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}
