// Where the program looks for DLLs.
#include "framework/SystemLibrary.h"

#include <string>

namespace {

// From the system's headers for Windows 8 and later; the program is built for earlier ones too.
const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Present where the system takes the LOAD_LIBRARY_SEARCH flags.
SetDefaultDllDirectoriesFunction SearchFlagsSupported()
{
    return reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
}

}  // namespace

void LoadDllsFromSystemFolderOnly()
{
    const SetDefaultDllDirectoriesFunction restrict = SearchFlagsSupported();
    if (restrict && restrict(kSearchSystem32)) return;
    // Without it the current folder at least leaves the search; the program's own folder stays in
    // it, which is why every DLL the program loads itself is loaded by its full path.
    ::SetDllDirectoryW(L"");
}

CSystemLibrary::CSystemLibrary(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // What the DLL itself imports is looked for in the system folder only; where the system cannot
    // say so, in the system folder first (the altered search path starts at the DLL's folder).
    const DWORD search = SearchFlagsSupported() ? kSearchSystem32 : LOAD_WITH_ALTERED_SEARCH_PATH;
    m_module = CLibrary(::LoadLibraryExW(path.c_str(), nullptr, search));
}

FARPROC CSystemLibrary::Function(const char* name) const
{
    return m_module.IsValid() ? ::GetProcAddress(m_module.Get(), name) : nullptr;
}
