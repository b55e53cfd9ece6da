// The claim an install run holds on a game folder.
#include "install/RunClaim.h"

#include <cstdio>

CRunClaim::Result CRunClaim::Claim(const std::wstring& folder)
{
    Release();
    BY_HANDLE_FILE_INFORMATION identity{};
    {
        CHandle opened(::CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!opened.IsValid() || !::GetFileInformationByHandle(opened.Get(), &identity)) return Result::Absent;
    }
    wchar_t name[64];
    std::swprintf(name, 64, L"VELANInst-%08lX-%08lX%08lX", identity.dwVolumeSerialNumber, identity.nFileIndexHigh,
                  identity.nFileIndexLow);
    // Every session sees a global name, so a user switched in elsewhere is seen too; creating one
    // needs a right administrators have, and a local name serves when it is missing.
    for (const wchar_t* space : {L"Global\\", L"Local\\"}) {
        if (!m_mutex.IsValid()) m_mutex = CHandle(::CreateMutexW(nullptr, FALSE, (space + std::wstring(name)).c_str()));
    }
    if (!m_mutex.IsValid()) return Result::Absent;
    // An abandoned claim is one whose process ended without releasing it: its run is dead.
    const DWORD wait = ::WaitForSingleObject(m_mutex.Get(), 0);
    m_owned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    if (!m_owned) m_mutex.Close();
    return m_owned ? Result::Claimed : Result::Busy;
}

void CRunClaim::Release()
{
    if (m_owned) ::ReleaseMutex(m_mutex.Get());
    m_owned = false;
    m_mutex.Close();
}
