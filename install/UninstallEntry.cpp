// The entry in the list of installed programs.
#include "install/UninstallEntry.h"

#include <cstdio>

#include "framework/Handle.h"
#include "framework/Utf8.h"
#include "install/ContentHash.h"
#include "install/GamePaths.h"
#include "install/RestorePoint.h"

namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// The installer is a 32-bit program: on 64-bit Windows its entry belongs in the 32-bit view,
// where the list looks for 32-bit programs, whichever build writes it.
const REGSAM kView = KEY_WOW64_32KEY;

std::wstring KeyPath(const std::wstring& gameDir)
{
    return kUninstallKey + (L'\\' + UninstallKeyName(gameDir));
}

LONG SetText(HKEY key, const wchar_t* name, const std::wstring& text)
{
    return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

LONG SetNumber(HKEY key, const wchar_t* name, DWORD number)
{
    return ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

}  // namespace

std::wstring UninstallKeyName(const std::wstring& gameDir)
{
    std::wstring folder = gameDir;
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    const std::string key = Utf8FromUtf16(PathKey(folder));
    CContentHash hash;
    hash.Add(key.data(), key.size());
    wchar_t name[32];
    std::swprintf(name, sizeof name / sizeof name[0], L"VELANInst.%08X", static_cast<unsigned>(hash.Value()));
    return name;
}

DWORD WriteUninstallEntry(const std::wstring& gameDir, const std::wstring& displayName, unsigned long long keptBytes)
{
    CRegistryKey key;
    LONG status = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath(gameDir).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE | kView, nullptr, key.Receive(), nullptr);
    if (status != ERROR_SUCCESS) return static_cast<DWORD>(status);
    std::wstring folder = gameDir;
    if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    const std::wstring program = RestoreFolderOf(gameDir) + WideAscii(kKeptProgramName);
    const unsigned long long kilobytes = (keptBytes + 1023) / 1024;
    const LONG results[] = {
        SetText(key.Get(), L"DisplayName", displayName),
        SetText(key.Get(), L"InstallLocation", folder),
        SetText(key.Get(), L"UninstallString", L"\"" + program + L"\" /restore"),
        SetText(key.Get(), L"DisplayIcon", program),
        SetNumber(key.Get(), L"EstimatedSize", kilobytes > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(kilobytes)),
        SetNumber(key.Get(), L"NoModify", 1),
        SetNumber(key.Get(), L"NoRepair", 1),
    };
    for (const LONG result : results) {
        if (result != ERROR_SUCCESS) return static_cast<DWORD>(result);
    }
    return 0;
}

std::wstring DisplayNameFrom(const std::wstring& versionText, const std::wstring& fallback)
{
    const std::wstring line = versionText.substr(0, versionText.find_first_of(L"\r\n"));
    const std::size_t first = line.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return fallback;
    return line.substr(first, line.find_last_not_of(L" \t") - first + 1);
}

bool HasUninstallEntry(const std::wstring& gameDir)
{
    CRegistryKey key;
    return ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyPath(gameDir).c_str(), 0, KEY_QUERY_VALUE | kView, key.Receive()) ==
           ERROR_SUCCESS;
}

void RemoveUninstallEntry(const std::wstring& gameDir)
{
    // Opened in the view first: the key is deleted from the view the handle belongs to.
    CRegistryKey list;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_ALL_ACCESS | kView, list.Receive()) ==
        ERROR_SUCCESS) {
        ::RegDeleteKeyW(list.Get(), UninstallKeyName(gameDir).c_str());
    }
}
