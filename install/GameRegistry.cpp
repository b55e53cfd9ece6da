// Registry lookup of the game's installation path.
#include "install/GameRegistry.h"

#include <windows.h>

#include <cstring>

#include "framework/Handle.h"

namespace {
const char kGameKey[] = "SOFTWARE\\Dorvane\\RN\\VELAN";
const char kPathValue[] = "Path";
const DWORD kBufferBytes = 260;
}  // namespace

bool ReadGamePathValue(CString& path)
{
    path.Empty();
    CRegistryKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) return false;
    // One byte more than the data may fill, so the text always has a terminating NUL.
    char buffer[kBufferBytes + 1] = {};
    DWORD size = kBufferBytes;
    const LONG status =
        ::RegQueryValueExA(key.Get(), kPathValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    if (status != ERROR_SUCCESS) return false;
    path = CString(buffer, std::strlen(buffer));
    return true;
}
